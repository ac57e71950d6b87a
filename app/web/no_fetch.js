// Put before the module's glue, inside its factory: the module is inside its script, so the
// glue has nothing to fetch. Without fetch the glue decodes the module from the script
// instead of asking fetch for the data: URL that holds it, which the page's policy refuses
// (connect-src) and which a page opened from a file may not fetch.
var fetch;
