// node click_outcomes.js MODULE BRIDGE CASES: the web page's side of the comparison of the
// two Unicode front-ends. Prints the text after each click of CASES (click_outcomes.cpp
// writes them, and the GTK program's outcomes, in the same form) as the page leaves it:
// its texts handed to the module through bridge.js as UTF-16, the replacement put in place
// of the selected units.
"use strict";
const fs = require("fs");
const readline = require("readline");

const [moduleFile, bridgeFile, casesFile] = process.argv.slice(2);
const bridge = require(bridgeFile);

function textOf(codes) {
  return codes === "-" ? "" : String.fromCodePoint(...codes.split(".").map((c) => parseInt(c, 16)));
}

function codesOf(text) {
  const codes = Array.from(text, (c) => c.codePointAt(0).toString(16).toUpperCase());
  return codes.length ? codes.join(".") : "-";
}

// A character offset of the text as the page counts it, in UTF-16 units; outside the text
// it keeps its distance.
function unitOffset(text, offset) {
  const characters = Array.from(text);
  if (offset < 0 || offset > characters.length) return offset < 0 ? offset : text.length + offset - characters.length;
  return characters.slice(0, offset).join("").length;
}

require(moduleFile)({quit: (status, stop) => { throw stop; }}).then(async (module) => {
  bridge.start(module, (notice) => { throw new Error("the runtime stopped: " + notice); });
  const out = [];
  const lines = readline.createInterface({input: fs.createReadStream(casesFile)});
  for await (const line of lines) {
    const [anchor, cursor, text, startTag, endTag] = line.split(" ");
    const value = textOf(text);
    const edit = bridge.insertTags(module, value, unitOffset(value, +anchor),
                                   unitOffset(value, +cursor), textOf(startTag), textOf(endTag));
    out.push(codesOf(value.slice(0, edit.first) + edit.replacement + value.slice(edit.end)));
  }
  process.stdout.write(out.join("\n") + "\n");
});
