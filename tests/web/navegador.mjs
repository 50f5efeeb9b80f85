// The browser version played in Debian's Chromium, as a person would, from a
// server that sends no special header: the opening screen matches the
// desktop game's opening frame, "Jogar" shows the board and starts the music,
// a click on e2 marks e3 and e4, e2-e4 slides and black answers, Return
// shows the pause banner, Ctrl+C and Ctrl+V copy and paste PGN through the
// page's clipboard; black at "Amador" answers and H shows a hint. On a
// phone the board fits the screen both ways up and taps play, also while a
// message is waited out, and L shows the list of moves. After that visit
// the page reloads with no network and the computer still answers; two
// builds under two folders of one host (HOST_URL a/ and b/) both open
// after a visit to each. The browser reports no error on the way.
// Usage: node navegador.mjs URL DESKTOP_OPENING.png SCREENSHOT_FOLDER [HOST_URL]
import { mkdirSync, readFileSync } from 'node:fs';
import { chromium, devices } from 'playwright-core';

const [url, abertura, pasta, hospedeiro] = process.argv.slice(2);
if (!pasta) {
  console.error('usage: node navegador.mjs URL DESKTOP_OPENING.png SCREENSHOT_FOLDER [HOST_URL]');
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
  // Root in CI, no GPU or sound card here, and nothing fetched on the side.
  args: ['--no-sandbox', '--mute-audio', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const fim = setTimeout(() => falha('the scenario took more than 180 s'), 180000);

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

// What the scenario does on a page: the canvas's pixels read in the page,
// and clicks and taps given in the game's own 640 by 640 pixels, wherever
// and however large the page shows the canvas.
function naPagina(p) {
  const canvas = p.locator('#canvas');
  const noCanvas = async (q) => {
    const c = await canvas.boundingBox();
    return { x: c.x + (q.x * c.width) / 640, y: c.y + (q.y * c.height) / 640 };
  };
  const pixel = (q) => p.evaluate(({ x, y }) =>
    Array.from(document.getElementById('canvas').getContext('2d').getImageData(x, y, 1, 1).data.slice(0, 3)), q);
  const esperaQue = async (oque, cond, ms) => {
    const limite = Date.now() + ms;
    for (;;) {
      const r = await cond();
      if (r === true) return;
      if (Date.now() > limite) throw new Error(`${oque}${typeof r === 'string' ? ': ' + r : ''}`);
      await p.waitForTimeout(50);
    }
  };
  return {
    canvas,
    pixel,
    espera: esperaQue,
    foto: (nome) => p.screenshot({ path: `${pasta}/${nome}.png` }),
    clica: async (q) => { const t = await noCanvas(q); await p.mouse.click(t.x, t.y); },
    toca: async (q) => { const t = await noCanvas(q); await p.touchscreen.tap(t.x, t.y); },
    conta: (cor) => p.evaluate((cor) => {
      const d = document.getElementById('canvas').getContext('2d').getImageData(64, 83, 512, 512).data;
      let n = 0;
      for (let i = 0; i < d.length; i += 4) if (d[i] === cor[0] && d[i + 1] === cor[1] && d[i + 2] === cor[2]) n++;
      return n;
    }, cor),
    regiao: (y, h) => p.evaluate(({ y, h }) =>
      Array.from(document.getElementById('canvas').getContext('2d').getImageData(64, y, 512, h).data).join(), { y, h }),
    // The board drawn: e4 light and e5 dark, as before any move.
    tabuleiro: async () => igual(await pixel({ x: casa('e4').x + 4, y: casa('e4').y + 4 }), CLARA) &&
      igual(await pixel({ x: casa('e5').x + 4, y: casa('e5').y + 4 }), ESCURA),
    marcadas: async (...nomes) => {
      for (const n of nomes) if (!igual(await pixel({ x: casa(n).x + 4, y: casa(n).y + 4 }), MARCA)) return false;
      return true;
    },
    vazias: async (...nomes) => {
      for (const n of nomes) if (!igual(await pixel({ x: casa(n).x + 4, y: casa(n).y + 4 }), CLARA)) return false;
      return true;
    },
    // The page shows the canvas as the largest square that fits, whole, and
    // does not scroll.
    cabe: () => p.evaluate(() => {
      const r = document.getElementById('canvas').getBoundingClientRect();
      const w = window.innerWidth, h = window.innerHeight, e = document.scrollingElement;
      const medida = `canvas ${r.width}x${r.height} at (${r.x}, ${r.y}) in ${w}x${h}`;
      if (Math.abs(r.width - r.height) > 1 || Math.abs(r.width - Math.min(w, h)) > 1) return `${medida}: not the largest square`;
      if (r.x < 0 || r.y < 0 || r.right > w + 0.5 || r.bottom > h + 0.5) return `${medida}: cut off`;
      if (e.scrollWidth > w || e.scrollHeight > h) return `${medida}: the page scrolls (${e.scrollWidth}x${e.scrollHeight})`;
      return true;
    }),
  };
}
const igual = (a, b) => a.length === b.length && a.every((v, i) => v === b[i]);
function ouve(p) {
  p.on('pageerror', (e) => erros.push(`page error: ${e.message}`));
  p.on('console', (m) => {
    // The game's own complaints go to standard error, which lands here.
    if (m.type() === 'error' || m.text().startsWith('xadrez:')) erros.push(`console: ${m.text()}`);
  });
}

// The opening screen as the desktop's. SDL blends text onto coloured
// backgrounds with x86's MMX arithmetic on the desktop and with portable C
// here, which rounds the anti-aliased edges of "Jogar" and of a letter or
// two one or two levels apart; anything more is a fault.
const referencia = `data:image/png;base64,${readFileSync(abertura).toString('base64')}`;
async function abre(p, oque) {
  let resumo = '';
  const compara = () => p.evaluate(async (src) => {
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
  await naPagina(p).espera(`${oque}: the opening screen never matched the desktop one`, async () => {
    const r = await compara();
    if (r.erro) return r.erro;
    resumo = `${r.n} pixels differ, by ${r.maior} levels at most`;
    return r.maior <= 2 || `${resumo}, at ${r.onde}`;
  }, 30000);
  return resumo;
}

try {
  // 1. The opening screen, on a desktop window that shows it 1.25 times as large.
  const contexto = await browser.newContext({ viewport: { width: 800, height: 800 }, deviceScaleFactor: 1,
    permissions: ['clipboard-read', 'clipboard-write'] });
  page = await contexto.newPage();
  ouve(page);
  const d = naPagina(page);
  await page.goto(url);
  const resumo = await abre(page, 'desktop');
  await d.foto('1-abertura');
  ok(`the opening screen matches the desktop game's (${resumo})`);

  // 2. "Jogar": the board, and the game's tune once the click has woken the audio.
  await d.clica({ x: 320, y: 444 });
  await d.espera('"Jogar" did not show the board', d.tabuleiro, 10000);
  await d.foto('2-tabuleiro');
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
  await d.espera('no music after the first click', async () => {
    const r = await nivel();
    if (typeof r === 'string') return r;
    pico = r;
    return r > 0.01 || `peak ${r}`;
  }, 10000);
  ok(`the game's tune plays (peak ${pico.toFixed(3)} of full scale)`);

  // 3. e2 selected: its two targets are marked.
  const negras = await d.regiao(83, 128);
  await d.clica(centro('e2'));
  await d.espera('e3 and e4 were not marked', () => d.marcadas('e3', 'e4'), 5000);
  await d.foto('3-selecao');
  ok('a click on e2 marks e3 and e4');

  // 4. e2-e4 slides, then black answers: a piece leaves black's two ranks.
  const t0 = Date.now();
  const e4ERespostaEm = async (d) => {
    if (!(await d.marcadas('e3', 'e4'))) await d.clica(centro('e2'));
    await d.clica(centro('e4'));
    await d.espera('e2-e4 was not carried out', () => d.vazias('e2', 'e4'), 5000);
    let anterior = '';
    await d.espera('black did not answer within 10 s', async () => {
      const agora = await d.regiao(83, 256);
      const parado = agora === anterior;
      anterior = agora;
      return parado && (await d.regiao(83, 128)) !== negras;
    }, 10000);
  };
  await e4ERespostaEm(d);
  await d.foto('4-resposta');
  ok(`e2-e4 slid and black answered after ${((Date.now() - t0) / 1000).toFixed(1)} s`);

  // 5. Return pauses: the blue banner over the board.
  await page.keyboard.press('Enter');
  await d.espera('Return did not show the banner', async () => (await d.conta(FAIXA)) > 1000, 5000);
  await d.foto('5-pausa');
  ok('Return shows the pause banner');

  // Ctrl+C copies the game as PGN to the page's clipboard (this context may
  // read it); Ctrl+V plays the PGN put there, which a second copy gives back.
  const copiada = () => page.evaluate(() => navigator.clipboard.readText());
  await page.keyboard.press('Control+c');
  await d.espera('Ctrl+C put no PGN on the clipboard', async () =>
    /^\[Event "Jogo de Xadrez"\][^]*\[White "Humano"\][^]*\n1\. e4 \S+ \*\n$/.test(await copiada()), 5000);
  await page.evaluate(() => navigator.clipboard.writeText('1. d4 d5 2. c4 *'));
  await page.keyboard.press('Control+v');
  await page.keyboard.press('Control+c');
  await d.espera('Ctrl+V did not play the PGN pasted', async () => (await copiada()).includes('\n1. d4 d5 2. c4 '), 10000);
  ok("Ctrl+C and Ctrl+V copy and paste PGN through the page's clipboard");

  // 5b. A stronger level, whose choice the page's worker makes: black at
  // "Amador" (two clicks past Normal) answers e2-e4; then H shows a hint,
  // a piece selected with its targets marked and the banner naming the move.
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  const naAbertura = async () => (await d.pixel({ x: 200, y: 250 })).join() === '0,0,0';
  await d.espera('Escape did not go back to the opening screen', naAbertura, 5000);
  for (let i = 0; i < 2; i++) await d.clica({ x: 320, y: 383 });
  await d.clica({ x: 320, y: 444 });
  await d.espera('"Jogar" did not show the board again', d.tabuleiro, 10000);
  await e4ERespostaEm(d);
  // The bulb lit: white to move and nothing sliding (dimmed, H does nothing).
  const lampada = async () => { const p = await d.pixel({ x: 618, y: 179 }); return p[0] > 200 && p[2] < 150; };
  await d.espera('the hint button did not light up', lampada, 10000);
  await page.keyboard.press('h');
  await d.espera('H showed no hint', async () => (await d.conta(FAIXA)) > 1000 && (await d.conta(MARCA)) > 0, 10000);
  await d.foto('5b-dica');
  ok('black at "Amador" answered e2-e4 and H showed a hint');

  // 6. A phone: the board fits upright and sideways, and taps play. A tap on
  // a1's rook, which cannot move, shows "Movimento inválido!" for 1.5 s,
  // which the page's only thread waits out while the taps on e2 and e4 go on.
  const celular = await browser.newContext({ ...devices['Pixel 5'] });
  const fone = await celular.newPage();
  ouve(fone);
  const f = naPagina(fone);
  await fone.goto(url);
  await abre(fone, 'phone');
  await f.espera('upright', f.cabe, 5000);
  await f.foto('6-celular-em-pe');
  const { width: largura, height: altura } = fone.viewportSize();
  await fone.setViewportSize({ width: altura, height: largura });
  await f.espera('sideways', f.cabe, 5000);
  await f.toca({ x: 320, y: 444 });
  await f.espera('a tap on "Jogar" did not show the board', f.tabuleiro, 10000);
  await f.espera('the first tap did not wake the sound', () => fone.evaluate(() => {
    const c = window.Module.SDL2 && window.Module.SDL2.audioContext;
    return (c && c.state === 'running') || `audio context ${c ? c.state : 'missing'}`;
  }), 5000);
  await f.toca(centro('a1'));
  await f.espera('no banner for the rook that cannot move', async () => (await f.conta(FAIXA)) > 1000, 5000);
  await f.toca(centro('e2'));
  await f.espera('a tap on e2 did not mark e3 and e4', () => f.marcadas('e3', 'e4'), 5000);
  await f.toca(centro('e4'));
  await f.espera('two taps did not play e2-e4', async () => (await f.vazias('e2', 'e4')) && (await f.conta(FAIXA)) === 0, 10000);
  await f.foto('7-celular-deitado');
  ok(`on a phone (${largura}x${altura}) the board fits both ways up, the first tap wakes the sound and two taps play e2-e4`);
  // The list of moves darkens the board's right half (h8's light corner).
  await fone.keyboard.press('l');
  await f.espera('L showed no list', async () => (await f.pixel({ x: casa('h8').x + 4, y: casa('h8').y + 4 })).every((v) => v < 90), 5000);
  await f.foto('7-celular-lista');
  ok('L shows the list of moves on the phone');
  await celular.close();

  // 7. After that one visit the page keeps its files: a reload without a
  // network still opens the game.
  const guardada = (p) => naPagina(p).espera('the page kept no files', () => p.evaluate(async () => {
    const r = await navigator.serviceWorker.getRegistration();
    return (r && r.active && r.active.state === 'activated') || 'no activated service worker';
  }), 30000);
  await guardada(page);
  // The pointer, last on e4, would lie over "Pretas:" on the opening screen,
  // and Chromium may replay it there as the page lays itself out again.
  await page.mouse.move(0, 0);
  await contexto.setOffline(true);
  await page.reload();
  await abre(page, 'offline');
  await d.clica({ x: 320, y: 444 });
  await d.espera('offline, "Jogar" did not show the board', d.tabuleiro, 10000);
  await e4ERespostaEm(d);
  await d.foto('8-sem-rede');
  ok('with the network off, a reload draws the opening screen and the computer answers e2-e4');

  // 8. Two builds under two folders of one host (a release and a beta):
  // each keeps its own files, so both play without a network.
  if (hospedeiro) {
    const outro = await browser.newContext({ viewport: { width: 800, height: 800 }, deviceScaleFactor: 1 });
    const p2 = await outro.newPage();
    ouve(p2);
    for (const dir of ['a/', 'b/']) {
      await p2.goto(hospedeiro + dir);
      await abre(p2, dir);
      await guardada(p2);
    }
    await outro.setOffline(true);
    for (const dir of ['a/', 'b/', 'a/']) {
      await p2.goto(hospedeiro + dir);
      await abre(p2, `${dir} without a network`);
    }
    await naPagina(p2).foto('9-dois-builds-sem-rede');
    ok('two builds under a/ and b/ of one host both play without a network');
  }

  if (erros.length) throw new Error(`the browser reported errors:\n  ${erros.join('\n  ')}`);
  ok('no error in the browser');
} catch (e) {
  await falha(e.message);
}
clearTimeout(fim);
await browser.close();
console.log(`navegador: ${passou} passed, 0 failed`);
