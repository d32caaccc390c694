// Installable and playable offline: served over HTTP(S), the page names its
// web app manifest and registers its service worker (service_worker.js),
// which keeps every file of the page for visits without a network. A page
// opened from disk has everything beside it and needs neither.
(() => {
  if (location.protocol !== 'http:' && location.protocol !== 'https:') return;
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.appendChild(manifest);
  if (!('serviceWorker' in navigator)) return;
  // After the page has loaded, so that the game starts first.
  const register = () => navigator.serviceWorker.register('service-worker.js').catch((error) => {
    console.warn('Hulgor: kein Service Worker, die Seite braucht das Netz', error);
  });
  if (document.readyState === 'complete') register();
  else window.addEventListener('load', register);
})();
