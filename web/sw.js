// Keeps every file of the page, so that the game plays without a network
// after one visit. The store is named after the page's scope and this
// build's files: a new build is stored whole beside the old one and takes
// over once no page of the old one is open, so a page never mixes the files
// of two builds; and builds published under other folders of the same host
// (a release and a beta) keep stores of their own.
const ESCOPO = self.registration.scope;
const PREFIXO = 'xadrez ' + ESCOPO + ' ';
const LOJA = PREFIXO + '@VERSAO@';
// Each file with its SHA-256 (null: not checked).
const ARQUIVOS = [@ARQUIVOS@];

const hex = (bytes) => Array.from(new Uint8Array(bytes), (b) => b.toString(16).padStart(2, '0')).join('');
const confere = async (resposta, hash) =>
  hex(await crypto.subtle.digest('SHA-256', await resposta.clone().arrayBuffer())) === hash;

// A file whose hash is known may come from the browser's HTTP cache, where
// the page has just put it; one that is not this build's (an older build's
// after a rollback, or one caught in a half-finished publish) is fetched
// again past that cache. A file without a hash always comes from the host.
// A file that still is not this build's fails the whole install, which the
// next visit tries again: nothing is stored under this build's name but its
// own files.
async function busca(nome, hash) {
  if (hash) {
    const guardada = await fetch(new Request(nome, { cache: 'force-cache' })).catch(() => null);
    if (guardada && guardada.ok && await confere(guardada, hash)) return guardada;
  }
  const resposta = await fetch(new Request(nome, { cache: 'reload' }));
  if (!resposta.ok) throw new Error(nome + ': ' + resposta.status);
  if (hash && !(await confere(resposta, hash))) throw new Error(nome + ' is not the file of this build');
  return resposta;
}

async function guarda() {
  const respostas = await Promise.all(ARQUIVOS.map(async ([nome, hash]) => [nome, await busca(nome, hash)]));
  const loja = await caches.open(LOJA);
  await Promise.all(respostas.map(([nome, resposta]) => loja.put(nome, resposta)));
}

// The pages of this scope say so; the game itself plays on.
async function avisa(erro) {
  const janelas = await self.clients.matchAll({ type: 'window', includeUncontrolled: true });
  for (const janela of janelas) {
    if (janela.url.startsWith(ESCOPO)) janela.postMessage({ xadrezSemRede: String(erro.message || erro) });
  }
}

self.addEventListener('install', (evento) => evento.waitUntil(guarda().catch(async (erro) => {
  await avisa(erro);
  throw erro;
})));

// This scope's older stores go. So does a store of the earlier naming (one
// name for the whole host) whose files all belong to this scope.
async function limpa() {
  for (const nome of await caches.keys()) {
    let velha = nome.startsWith(PREFIXO) && nome !== LOJA;
    if (/^xadrez-[0-9a-f]{16}$/.test(nome)) {
      const pedidos = await (await caches.open(nome)).keys();
      velha = pedidos.every((p) => p.url.startsWith(ESCOPO));
    }
    if (velha) await caches.delete(nome);
  }
}

self.addEventListener('activate', (evento) => evento.waitUntil(limpa()));

self.addEventListener('fetch', (evento) => {
  const pedido = evento.request;
  if (pedido.method !== 'GET') return;
  evento.respondWith(caches.open(LOJA).then(async (loja) =>
    (await loja.match(pedido, { ignoreSearch: true })) ||
    (pedido.mode === 'navigate' ? await loja.match('./') : undefined) ||
    fetch(pedido)));
});
