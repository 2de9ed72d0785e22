// Edits as the user makes them: before the browser changes a box, the selection
// the edit replaces and the text it inserts go to the model, which applies them
// with the box's limit; the box then shows the model's text. What the browser
// does not announce with its text (deletions, input methods, undo) goes after
// the fact, as the whole text replaced: such an edit never lengthens a text the
// limit has to cut, or comes from the input method, which owns the text then.
const inserting = new Set(["insertText", "insertReplacementText", "insertFromPaste", "insertFromYank"]);

// The text an insertion brings; the model keeps its first line.
function insertedText(e) {
  return e.data ?? (e.dataTransfer ? e.dataTransfer.getData("text/plain") : null);
}

// Calls `deliver(start, end, inserted)` for every edit of `box`, offsets in
// UTF-16 units of the text the box showed before it.
export function deliverEdits(box, shownBefore, deliver) {
  box.addEventListener("beforeinput", (e) => {
    if (!inserting.has(e.inputType) || e.isComposing) return;
    const inserted = insertedText(e);
    if (inserted === null) return;
    e.preventDefault();
    deliver(box.selectionStart, box.selectionEnd, inserted);
  });
  box.addEventListener("input", () => deliver(0, shownBefore().length, box.value));
}
