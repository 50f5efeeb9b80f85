// The browser version played in Debian's Chromium, as a person would: the
// opening screen matches the desktop game's opening frame, "Jogar" shows the
// board and starts the music, a click on e2 marks e3 and e4, e2-e4 slides
// and black answers, Return shows the pause banner, and the browser reports
// no error on the way.
// Usage: node navegador.mjs URL DESKTOP_OPENING.png SCREENSHOT_FOLDER
import { mkdirSync, readFileSync } from 'node:fs';
import { chromium } from 'playwright-core';

const [url, abertura, pasta] = process.argv.slice(2);
if (!pasta) {
  console.error('usage: node navegador.mjs URL DESKTOP_OPENING.png SCREENSHOT_FOLDER');
  process.exit(2);
}
mkdirSync(pasta, { recursive: true });

// Board geometry of the 640 by 640 window once the panel (78 pixels) is drawn.
const casa = (nome) => ({ x: 64 + 64 * (nome.charCodeAt(0) - 97), y: 83 + 64 * (8 - Number(nome[1])) });
const centro = (nome) => ({ x: casa(nome).x + 32, y: casa(nome).y + 32 });
const CLARA = [220, 220, 175], ESCURA = [150, 150, 100], MARCA = [200, 200, 255], FAIXA = [0, 0, 200];

let passou = 0;
const erros = [];
const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  // Root in CI, and no GPU or sound card here.
  args: ['--no-sandbox', '--mute-audio'],
});
const fim = setTimeout(() => falha('the scenario took more than 120 s'), 120000);

let page = null;
async function falha(motivo) {
  console.log(`FAIL: ${motivo}`);
  if (page) await page.screenshot({ path: `${pasta}/falha.png` }).catch(() => {});
  console.log(`navegador: ${passou} passed, 1 failed`);
  await browser.close().catch(() => {});
  process.exit(1);
}
function ok(oque) {
  passou++;
  console.log(`ok: ${oque}`);
}

try {
  page = await browser.newPage({ viewport: { width: 800, height: 800 }, deviceScaleFactor: 1 });
  page.on('pageerror', (e) => erros.push(`page error: ${e.message}`));
  page.on('console', (m) => {
    // The game's own complaints go to standard error, which lands here.
    if (m.type() === 'error' || m.text().startsWith('xadrez:')) erros.push(`console: ${m.text()}`);
  });
  const canvas = page.locator('#canvas');
  const foto = (nome) => canvas.screenshot({ path: `${pasta}/${nome}.png` });
  const clica = (p) => canvas.click({ position: p });

  // Pixels of the game's canvas, read in the page.
  const pixel = (p) => page.evaluate(({ x, y }) =>
    Array.from(document.getElementById('canvas').getContext('2d').getImageData(x, y, 1, 1).data.slice(0, 3)), p);
  const conta = (cor) => page.evaluate((cor) => {
    const d = document.getElementById('canvas').getContext('2d').getImageData(64, 83, 512, 512).data;
    let n = 0;
    for (let i = 0; i < d.length; i += 4) if (d[i] === cor[0] && d[i + 1] === cor[1] && d[i + 2] === cor[2]) n++;
    return n;
  }, cor);
  const regiao = (y, h) => page.evaluate(({ y, h }) =>
    Array.from(document.getElementById('canvas').getContext('2d').getImageData(64, y, 512, h).data).join(), { y, h });
  const igual = (a, b) => a.length === b.length && a.every((v, i) => v === b[i]);
  async function espera(oque, cond, ms) {
    const limite = Date.now() + ms;
    for (;;) {
      const r = await cond();
      if (r === true) return;
      if (Date.now() > limite) throw new Error(`${oque}${typeof r === 'string' ? ': ' + r : ''}`);
      await page.waitForTimeout(50);
    }
  }

  // 1. The opening screen as the desktop's. SDL blends text onto coloured
  // backgrounds with x86's MMX arithmetic on the desktop and with portable C
  // here, which rounds the anti-aliased edges of "Jogar" and of a letter or
  // two one or two levels apart; anything more is a fault.
  await page.goto(url);
  const referencia = `data:image/png;base64,${readFileSync(abertura).toString('base64')}`;
  let resumo = '';
  const compara = () => page.evaluate(async (src) => {
    const img = new Image();
    img.src = src;
    await img.decode();
    const c = document.createElement('canvas');
    c.width = img.width;
    c.height = img.height;
    const ctx = c.getContext('2d');
    ctx.drawImage(img, 0, 0);
    const esperado = ctx.getImageData(0, 0, c.width, c.height).data;
    const jogo = document.getElementById('canvas');
    if (jogo.width !== c.width || jogo.height !== c.height) return { erro: `canvas ${jogo.width}x${jogo.height}` };
    const visto = jogo.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let n = 0, maior = 0, onde = '';
    for (let i = 0; i < visto.length; i += 4) {
      const d = Math.max(...[0, 1, 2].map((k) => Math.abs(visto[i + k] - esperado[i + k])));
      if (d > 0) n++;
      if (d > maior) {
        maior = d;
        onde = `(${(i / 4) % c.width}, ${Math.floor(i / 4 / c.width)})`;
      }
    }
    return { n, maior, onde };
  }, referencia);
  await espera('the opening screen never matched the desktop one', async () => {
    const r = await compara();
    if (r.erro) return r.erro;
    resumo = `${r.n} pixels differ, by ${r.maior} levels at most`;
    return r.maior <= 2 || `${resumo}, at ${r.onde}`;
  }, 30000);
  await foto('1-abertura');
  ok(`the opening screen matches the desktop game's (${resumo})`);

  // 2. "Jogar": the board, and the game's tune once the click has woken the audio.
  await clica({ x: 320, y: 444 });
  await espera('"Jogar" did not show the board', async () =>
    igual(await pixel({ x: casa('e4').x + 4, y: casa('e4').y + 4 }), CLARA) &&
    igual(await pixel({ x: casa('e5').x + 4, y: casa('e5').y + 4 }), ESCURA), 10000);
  await foto('2-tabuleiro');
  ok('"Jogar" shows the board');
  const nivel = () => page.evaluate(async () => {
    const sdl = window.Module.SDL2;
    if (!sdl || !sdl.audioContext || !sdl.audio || !sdl.audio.scriptProcessorNode) return 'no SDL audio node';
    if (sdl.audioContext.state !== 'running') return `audio context ${sdl.audioContext.state}`;
    const analisador = sdl.audioContext.createAnalyser();
    analisador.fftSize = 2048;
    sdl.audio.scriptProcessorNode.connect(analisador);
    const amostras = new Float32Array(analisador.fftSize);
    let pico = 0;
    for (let i = 0; i < 20; i++) {
      await new Promise((r) => setTimeout(r, 50));
      analisador.getFloatTimeDomainData(amostras);
      for (const v of amostras) pico = Math.max(pico, Math.abs(v));
    }
    sdl.audio.scriptProcessorNode.disconnect(analisador);
    return pico;
  });
  let pico = 0;
  await espera('no music after the first click', async () => {
    const r = await nivel();
    if (typeof r === 'string') return r;
    pico = r;
    return r > 0.01 || `peak ${r}`;
  }, 5000);
  ok(`the game's tune plays (peak ${pico.toFixed(3)} of full scale)`);

  // 3. e2 selected: its two targets are marked.
  const negras = await regiao(83, 128);
  await clica(centro('e2'));
  await espera('e3 and e4 were not marked', async () =>
    igual(await pixel({ x: casa('e3').x + 4, y: casa('e3').y + 4 }), MARCA) &&
    igual(await pixel({ x: casa('e4').x + 4, y: casa('e4').y + 4 }), MARCA), 5000);
  await foto('3-selecao');
  ok('a click on e2 marks e3 and e4');

  // 4. e2-e4 slides, then black answers: a piece leaves black's two ranks.
  const t0 = Date.now();
  await clica(centro('e4'));
  await espera('e2-e4 was not carried out', async () =>
    igual(await pixel({ x: casa('e2').x + 4, y: casa('e2').y + 4 }), CLARA) &&
    igual(await pixel({ x: casa('e4').x + 4, y: casa('e4').y + 4 }), CLARA), 5000);
  let anterior = '';
  await espera('black did not answer within 10 s', async () => {
    const agora = await regiao(83, 256);
    const parado = agora === anterior;
    anterior = agora;
    return parado && (await regiao(83, 128)) !== negras;
  }, 10000);
  await foto('4-resposta');
  ok(`e2-e4 slid and black answered after ${((Date.now() - t0) / 1000).toFixed(1)} s`);

  // 5. Return pauses: the blue banner over the board.
  await page.keyboard.press('Enter');
  await espera('Return did not show the banner', async () => (await conta(FAIXA)) > 1000, 5000);
  await foto('5-pausa');
  ok('Return shows the pause banner');

  if (erros.length) throw new Error(`the browser reported errors:\n  ${erros.join('\n  ')}`);
  ok('no error in the browser');
} catch (e) {
  await falha(e.message);
}
clearTimeout(fim);
await browser.close();
console.log(`navegador: ${passou} passed, 0 failed`);
