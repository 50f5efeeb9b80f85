// The browser version's speed in Debian's Chromium, driven by bench/web.sh.
//
//   node web.mjs quadro URL [RUNS]     first visit over a throttled network
//     (1.6 Mbit/s down, 150 ms, the server's gzip): when the opening screen
//     is first drawn, and the bytes that arrived before it; median and worst.
//   node web.mjs nivel URL LEVEL [SECONDS]  the computer against itself at
//     LEVEL (2 to 9) on both sides: the page's longest tasks (Long Tasks API:
//     any task over 50 ms), so the worst is the longest the page stood still
//     while games at that level were played.
//   node web.mjs dica URL [SECONDS]    white by hand against "Fácil": H asks
//     for a hint again and again; the page's longest tasks meanwhile.
// Each of the last two ends with one line "longest: LEVEL MS GAMES_OR_HINTS".
import { chromium } from 'playwright-core';

const [modo, url, ...resto] = process.argv.slice(2);
const uso = 'usage: node web.mjs quadro URL [RUNS] | nivel URL LEVEL [SECONDS] | dica URL [SECONDS]';
if (!['quadro', 'nivel', 'dica'].includes(modo) || !url) {
  console.error(uso);
  process.exit(2);
}
const n = resto[0];
const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox', '--mute-audio', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const mediana = (v) => [...v].sort((a, b) => a - b)[Math.floor((v.length - 1) / 2)];

// Anything drawn: SDL's frames are opaque, the canvas starts transparent.
const observaQuadro = () => {
  const olha = () => {
    const c = document.getElementById('canvas');
    const ctx = c && c.getContext('2d');
    if (ctx && ctx.getImageData(320, 320, 1, 1).data[3] !== 0) {
      window.xadrezQuadro(performance.now());
      return;
    }
    requestAnimationFrame(olha);
  };
  requestAnimationFrame(olha);
};

if (modo === 'quadro') {
  const vezes = Number(n || 5);
  const tempos = [], bytes = [];
  for (let i = 0; i < vezes; i++) {
    const contexto = await browser.newContext({ viewport: { width: 800, height: 800 }, serviceWorkers: 'block' });
    const page = await contexto.newPage();
    const cdp = await contexto.newCDPSession(page);
    await cdp.send('Network.enable');
    await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
    await cdp.send('Network.emulateNetworkConditions', {
      offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8,
    });
    // Bytes on the wire per request: what has arrived so far, then the total.
    const chegou = new Map(), total = new Map();
    cdp.on('Network.dataReceived', (e) => chegou.set(e.requestId, (chegou.get(e.requestId) || 0) + e.encodedDataLength));
    cdp.on('Network.loadingFinished', (e) => total.set(e.requestId, e.encodedDataLength));
    let pronto;
    const quadro = new Promise((r) => { pronto = r; });
    await page.exposeFunction('xadrezQuadro', (ms) => {
      let soma = 0;
      for (const [id, b] of chegou) if (!total.has(id)) soma += b;
      for (const b of total.values()) soma += b;
      pronto({ ms, soma });
    });
    await page.addInitScript(observaQuadro);
    await page.goto(url);
    const r = await Promise.race([quadro, new Promise((_, f) => setTimeout(() => f(new Error('no frame in 60 s')), 60000))]);
    tempos.push(r.ms);
    bytes.push(r.soma);
    console.log(`run ${i + 1}: opening screen after ${(r.ms / 1000).toFixed(2)} s, ${(r.soma / 1e6).toFixed(3)} MB before it`);
    await contexto.close();
  }
  console.log(`first frame: median ${(mediana(tempos) / 1000).toFixed(2)} s, worst ${(Math.max(...tempos) / 1000).toFixed(2)} s; ` +
              `bytes before it: median ${(mediana(bytes) / 1e6).toFixed(3)} MB, worst ${(Math.max(...bytes) / 1e6).toFixed(3)} MB`);
} else {
  const nivel = modo === 'nivel' ? Number(resto[0]) : 1;
  const segundos = Number((modo === 'nivel' ? resto[1] : resto[0]) || 60);
  if (modo === 'nivel' && !(nivel >= 2 && nivel <= 9)) {
    console.error(uso);
    process.exit(2);
  }
  const page = await browser.newPage({ viewport: { width: 640, height: 640 } });
  await page.addInitScript(() => {
    window.xadrezTarefas = [];
    new PerformanceObserver((l) => {
      for (const e of l.getEntries()) window.xadrezTarefas.push(e.duration);
    }).observe({ type: 'longtask', buffered: true });
  });
  await page.goto(url);
  const pixel = (x, y) => page.evaluate(({ x, y }) =>
    Array.from(document.getElementById('canvas').getContext('2d').getImageData(x, y, 1, 1).data.slice(0, 3)), { x, y });
  // The banner's blue over the board.
  const faixa = () => page.evaluate(() => {
    const d = document.getElementById('canvas').getContext('2d').getImageData(64, 83, 512, 512).data;
    let k = 0;
    for (let i = 0; i < d.length; i += 4) if (d[i] === 0 && d[i + 1] === 0 && d[i + 2] === 200) k++;
    return k > 1000;
  });
  await page.waitForFunction(() => {
    const c = document.getElementById('canvas');
    return c.getContext('2d').getImageData(320, 320, 1, 1).data[3] !== 0;
  });
  await page.waitForTimeout(500);
  // "Brancas:" cycles from Humano, "Pretas:" from Normal through Perito,
  // Humano and Fácil; for a hint, white stays Humano and black goes to Fácil.
  const pretas = modo === 'nivel' ? (nivel - 3 + 9) % 9 : 8;
  for (let i = 0; i < nivel - 1; i++) await page.mouse.click(320, 325);
  for (let i = 0; i < pretas; i++) await page.mouse.click(320, 383);
  await page.waitForTimeout(200);
  await page.evaluate(() => { window.xadrezTarefas.length = 0; });
  let vezes = 0;
  const fim = Date.now() + segundos * 1000;
  if (modo === 'nivel') {
    // One spot for all: "Jogar" on the opening screen, and on the board a
    // click that only dismisses a finished game.
    let naAbertura = true;
    while (Date.now() < fim) {
      await page.mouse.click(320, 444);
      await page.waitForTimeout(1000);
      const menu = (await pixel(200, 250)).join() === '0,0,0';
      if (menu && !naAbertura) vezes++;
      naAbertura = menu;
    }
  } else {
    await page.mouse.click(320, 444);
    await page.waitForTimeout(1000);
    while (Date.now() < fim) {
      await page.keyboard.press('h');
      const ate = Date.now() + 5000;
      while (!(await faixa()) && Date.now() < ate) await page.waitForTimeout(20);
      if (await faixa()) vezes++;
      // The banner's 1.5 s, then the next hint.
      while ((await faixa()) && Date.now() < ate + 3000) await page.waitForTimeout(50);
    }
  }
  const tarefas = await page.evaluate(() => window.xadrezTarefas);
  tarefas.sort((a, b) => b - a);
  const oque = modo === 'nivel' ? `${vezes} games ended in ${segundos} s at level ${nivel} against itself`
    : `${vezes} hints shown in ${segundos} s`;
  console.log(`${oque}; ${tarefas.length} tasks over 50 ms`);
  console.log(`longest tasks (ms): ${tarefas.slice(0, 10).map((t) => t.toFixed(0)).join(' ')}`);
  console.log(`median of those: ${tarefas.length ? mediana(tarefas).toFixed(0) : 0} ms`);
  console.log(`longest: ${modo === 'nivel' ? nivel : 'dica'} ${tarefas.length ? tarefas[0].toFixed(0) : '<50'} ${vezes}`);
}
await browser.close();
