// Between the page and the module: hands texts to the module's Insert-tag command as UTF-16
// in its memory and reads the outcome back. The page loads it as a script (window.Morvane);
// the tests load it in node (require).
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
  // lines of the stop notice when the runtime cannot go on.
  function start(module, onStop) {
    module.onStopNotice = (address, length) => onStop(get(module, address, length));
    module._morvane_start();
  }

  // Runs one click on the text, its selection between the UTF-16 offsets anchor and cursor
  // (either way round) and the two tags. Returns {refused: false, first, end, replacement}:
  // put replacement in place of the units first to end; or {refused: true, message}:
  // change nothing and show message. Returns null once the runtime has stopped.
  function insertTags(module, text, anchor, cursor, startTag, endTag) {
    if (stopped) return null;
    const addresses = [put(module, text), put(module, startTag), put(module, endTag)];
    try {
      const outcome = module._morvane_insert_tags(addresses[0], text.length, anchor, cursor,
                                                  addresses[1], startTag.length,
                                                  addresses[2], endTag.length) >> 2;
      const fields = module.HEAP32;
      const words = module.HEAPU32;
      const result = get(module, words[outcome + 4], words[outcome + 3]);
      if (fields[outcome] === 1) return {refused: true, message: result};
      return {refused: false, first: fields[outcome + 1], end: fields[outcome + 2],
              replacement: result};
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
