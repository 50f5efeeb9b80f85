// Keeps every file of the page, so that the game plays without a network
// after one visit. The store is named after this build's files: a new build
// is stored whole beside the old one and takes over once no page of the old
// one is open, so a page never mixes the files of two builds.
const LOJA = 'xadrez-@VERSAO@';
// Each file with its SHA-256 (null: not checked).
const ARQUIVOS = [@ARQUIVOS@];

const hex = (bytes) => Array.from(new Uint8Array(bytes), (b) => b.toString(16).padStart(2, '0')).join('');

// Past the browser's HTTP cache, which may still hold an older build. A file
// that is not this build's (a newer build published during the visit) fails
// the whole install, which the next visit tries again: nothing is stored
// under this build's name but its own files.
async function guarda() {
  const respostas = await Promise.all(ARQUIVOS.map(async ([nome, hash]) => {
    const resposta = await fetch(new Request(nome, { cache: 'no-cache' }));
    if (!resposta.ok) throw new Error(nome + ': ' + resposta.status);
    if (hash && hex(await crypto.subtle.digest('SHA-256', await resposta.clone().arrayBuffer())) !== hash) {
      throw new Error(nome + ' is not the file of this build');
    }
    return [nome, resposta];
  }));
  const loja = await caches.open(LOJA);
  await Promise.all(respostas.map(([nome, resposta]) => loja.put(nome, resposta)));
}

self.addEventListener('install', (evento) => evento.waitUntil(guarda()));

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
