// The model's WebAssembly, compiled from the moment the page starts to load,
// while the browser still reads the rest of it. The packer puts the module in
// the data block before this script, gzip-compressed and in base64: half the
// bytes of the module in base64, and every byte of the page is read, decoded
// and scanned before the form is there. A data block, not a string in this
// script, so that the script engine need not scan it too. A classic script,
// inlined at the top of the page.
window.selbrinWasm = (() => {
  const text = document.getElementById("wasmModule").textContent;
  const bytes = Uint8Array.fromBase64
    ? Uint8Array.fromBase64(text)
    : Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
  // A Response's own body: a Blob's stream costs the page several times as long to set up.
  const body = new Response(bytes).body.pipeThrough(new DecompressionStream("gzip"));
  return WebAssembly.compileStreaming(new Response(body, { headers: { "Content-Type": "application/wasm" } }));
})();
