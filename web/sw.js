// Keeps every file of the page, so that the game plays without a network
// after one visit. The store is named after this build's files: a new build
// is stored whole beside the old one and takes over once no page of the old
// one is open, so a page never mixes the files of two builds.
const LOJA = 'xadrez-@VERSAO@';
const ARQUIVOS = [@ARQUIVOS@];

self.addEventListener('install', (evento) => {
  // Past the browser's HTTP cache, which may still hold an older build.
  evento.waitUntil(caches.open(LOJA).then((loja) =>
    loja.addAll(ARQUIVOS.map((a) => new Request(a, { cache: 'no-cache' })))));
});

self.addEventListener('activate', (evento) => {
  evento.waitUntil(caches.keys().then((nomes) => Promise.all(
    nomes.filter((n) => n.startsWith('xadrez-') && n !== LOJA).map((n) => caches.delete(n)))));
});

self.addEventListener('fetch', (evento) => {
  const pedido = evento.request;
  if (pedido.method !== 'GET') return;
  evento.respondWith(caches.open(LOJA).then(async (loja) =>
    (await loja.match(pedido, { ignoreSearch: true })) ||
    (pedido.mode === 'navigate' ? await loja.match('./') : undefined) ||
    fetch(pedido)));
});
