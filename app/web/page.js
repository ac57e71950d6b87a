// The page's own script: loads the module, then runs the Insert-tag command on each click
// of the button. Over http(s) it also names the web app manifest and installs the service
// worker that keeps the page working offline; opened from a file, it does neither (a
// browser refuses both there).
(function () {
  "use strict";

  const text = document.getElementById("text");
  const startTag = document.getElementById("start-tag");
  const endTag = document.getElementById("end-tag");
  const button = document.getElementById("insert");
  const stopDialog = document.getElementById("stop");
  let module = null;

  // The runtime cannot go on: its notice over the page, and no more clicks. The text is
  // as the last finished click left it.
  function showStop(notice) {
    button.disabled = true;
    document.getElementById("stop-notice").textContent = notice;
    stopDialog.showModal();
  }

  // Replaces exactly the selected units and leaves the caret after the insertion; nothing
  // else changes.
  function onInsertClicked() {
    if (!module) return;
    const outcome = Morvane.insertTags(module, text.value, text.selectionStart,
                                       text.selectionEnd, startTag.value, endTag.value);
    if (!outcome) {
      button.disabled = true;
      return;
    }
    text.setRangeText(outcome.replacement, outcome.first, outcome.end, "end");
  }

  function offerOffline() {
    if (!/^https?:$/.test(location.protocol)) return;
    const manifest = document.createElement("link");
    manifest.rel = "manifest";
    manifest.href = "manifest.webmanifest";
    document.head.appendChild(manifest);
    if ("serviceWorker" in navigator) navigator.serviceWorker.register(workerScript());
  }

  // The service worker's script as the page's policy asks for it: through the page's one
  // Trusted Types policy, which can name no other script.
  function workerScript() {
    const url = "service-worker.js";
    if (!window.trustedTypes) return url;
    return trustedTypes.createPolicy("morvane", {createScriptURL: () => url}).createScriptURL(url);
  }

  button.addEventListener("click", onInsertClicked);
  document.getElementById("stop-ok").addEventListener("click", () => stopDialog.close());
  offerOffline();
  MorvaneModule({
    quit: (status, stop) => { throw stop; },
  }).then((loaded) => {
    module = loaded;
    Morvane.module = module;  // the running module, for the page's tests
    Morvane.start(module, showStop);
    button.disabled = false;
    performance.mark("morvane-ready");
  });
})();
