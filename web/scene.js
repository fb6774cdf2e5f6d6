'use strict';
// Scenes on the page: Ctrl+S's scene is offered as a download and written
// into the address as #scene= followed by the file's bytes compressed with
// deflate-raw and written in base64url, so copying the address shares it;
// an address with a scene starts the program straight on the particle
// screen with it; Ctrl+O opens the file picker, and a file dropped on the
// page opens too. Bytes reach the program through its WebOpenScene.
(function () {
  const Prefix = '#scene=';

  function Base64Url(Bytes) {
    let Binary = '';
    for (let I = 0; I < Bytes.length; I += 0x8000) Binary += String.fromCharCode(...Bytes.subarray(I, I + 0x8000));
    return btoa(Binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
  }

  function FromBase64Url(Text) {
    const Binary = atob(Text.replace(/-/g, '+').replace(/_/g, '/'));
    const Bytes = new Uint8Array(Binary.length);
    for (let I = 0; I < Binary.length; ++I) Bytes[I] = Binary.charCodeAt(I);
    return Bytes;
  }

  async function Through(Stream, Bytes) {
    const Out = new Blob([Bytes]).stream().pipeThrough(Stream);
    return new Uint8Array(await new Response(Out).arrayBuffer());
  }

  // Hands Bytes to the program, which refuses them in a window when they are no scene.
  function Open(Bytes, Name) {
    const At = Module._malloc(Math.max(1, Bytes.length));
    Module.HEAPU8.set(Bytes, At);
    Module.ccall('WebOpenScene', null, ['number', 'number', 'string'], [At, Bytes.length, Name]);
    Module._free(At);
  }

  async function OpenFile(File) {
    Open(new Uint8Array(await File.arrayBuffer()), File.name);
  }

  Module.kalmotKeepScene = async (Bytes, Name) => {
    const Link = document.createElement('a');
    Link.href = URL.createObjectURL(new Blob([Bytes], { type: 'application/json' }));
    Link.download = Name;
    document.body.appendChild(Link);
    Link.click();
    Link.remove();
    setTimeout(() => URL.revokeObjectURL(Link.href), 10000);
    const Packed = await Through(new CompressionStream('deflate-raw'), Bytes);
    history.replaceState(null, '', Prefix + Base64Url(Packed));
    if (Module.onSceneKept) Module.onSceneKept(location.href);
  };

  Module.kalmotPickScene = () => {
    const Picker = document.createElement('input');
    Picker.type = 'file';
    Picker.accept = '.kalmot-scene,application/json';
    Picker.addEventListener('change', () => { if (Picker.files.length > 0) OpenFile(Picker.files[0]); });
    Picker.click();
  };

  // Ctrl+S and Ctrl+O are the program's, not the browser's "save page" and "open file".
  window.addEventListener('keydown', E => {
    if ((E.ctrlKey || E.metaKey) && !E.altKey && (E.code === 'KeyS' || E.code === 'KeyO')) E.preventDefault();
  }, true);
  window.addEventListener('dragover', E => E.preventDefault());
  window.addEventListener('drop', E => {
    E.preventDefault();
    if (E.dataTransfer && E.dataTransfer.files.length > 0) OpenFile(E.dataTransfer.files[0]);
  });

  // An address with a scene: the start waits until the scene is unpacked, so
  // the first frame is already the particle screen's. A test that holds the
  // start itself gets the scene when it starts the program.
  if (!location.hash.startsWith(Prefix)) return;
  const Unpacked = Through(new DecompressionStream('deflate-raw'), FromBase64Url(location.hash.slice(Prefix.length)))
    .catch(() => new Uint8Array(0)); // refused by the program as "not JSON", in its window
  const HeldByPage = !window.KalmotHold;
  window.KalmotHold = true;
  const Initialized = Module.onRuntimeInitialized;
  let Ready;
  const RuntimeReady = new Promise(Resolve => { Ready = Resolve; });
  Module.onRuntimeInitialized = () => { Initialized(); Ready(); };
  const Start = window.KalmotStart;
  window.KalmotStart = () => {
    Unpacked.then(Bytes => {
      Start();
      Open(Bytes, 'scene from the address');
    });
  };
  if (HeldByPage) Promise.all([RuntimeReady, Unpacked]).then(() => window.KalmotStart());
})();
