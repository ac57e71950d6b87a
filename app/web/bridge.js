// Between the page and the module: hands texts to the module's Insert-tag command as UTF-16
// in its memory and reads the replacement back. The page loads it as a script
// (window.Morvane); the tests load it in node (require).
(function (exports) {
  "use strict";

  // A stopped runtime takes no more clicks: the module's state is gone with its run.
  let stopped = false;

  // Copies a string's UTF-16 units into the module's memory; returns the address.
  function put(module, text) {
    const address = module._malloc(2 * text.length + 2);
    const units = module.HEAPU16;
    const base = address >> 1;
    for (let i = 0; i < text.length; ++i) units[base + i] = text.charCodeAt(i);
    return address;
  }

  // The UTF-16 units at address, exactly: a lone surrogate stays one.
  function get(module, address, length) {
    const units = module.HEAPU16.subarray(address >> 1, (address >> 1) + length);
    let text = "";
    for (let i = 0; i < units.length; i += 8192) {
      text += String.fromCharCode.apply(null, units.subarray(i, i + 8192));
    }
    return text;
  }

  // Starts the module's runtime once it is loaded. onStop(notice) is called with the two
  // lines of the stop notice, decoded from the module's code page 932, when the runtime
  // cannot go on.
  function start(module, onStop) {
    module.onStopNotice = (address, length) =>
      onStop(new TextDecoder("shift_jis").decode(module.HEAPU8.slice(address, address + length)));
    module._morvane_start();
  }

  // Runs one click on the text, its selection between the UTF-16 offsets anchor and cursor
  // (either way round; an offset outside the text counts as its nearer end), and the two
  // tags. Returns {first, end, replacement}: put replacement in place of the units first
  // to end. Returns null once the runtime has stopped.
  function insertTags(module, text, anchor, cursor, startTag, endTag) {
    if (stopped) return null;
    const within = (offset) => Math.max(0, Math.min(offset, text.length));
    const first = within(Math.min(anchor, cursor)), end = within(Math.max(anchor, cursor));
    const addresses = [text, startTag, endTag].map((part) => put(module, part));
    const [textAddress, startAddress, endAddress] = addresses;
    try {
      module._morvane_insert_tags(textAddress, text.length, first, end, startAddress,
                                  startTag.length, endAddress, endTag.length);
      const replacement = get(module, module._morvane_replacement_text(),
                              module._morvane_replacement_length());
      return {first, end, replacement};
    } catch (stop) {
      stopped = true;
      if (stop && stop.name === "ExitStatus") return null;
      throw stop;
    } finally {
      if (!stopped) addresses.forEach((address) => module._free(address));
    }
  }

  exports.start = start;
  exports.insertTags = insertTags;
})(typeof module === "object" && module.exports ? module.exports : (window.Morvane = {}));
