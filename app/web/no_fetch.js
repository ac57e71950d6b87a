// Put before the module's glue, inside its factory. The module is a data: URL inside this
// script; the glue would ask fetch for it, which the page's policy refuses (connect-src),
// before decoding it itself. With fetch hidden it decodes at once (docs/deliberate.md,
// "The page's policy and the module without fetch").
var fetch;
