// A program that node runs reads node's own environment (SOURCE_DATE_EPOCH for
// the sheet's date), as it would on the desktop.
Module['preRun'] = (Module['preRun'] || []).concat(function () {
  Object.assign(ENV, process.env);
});
