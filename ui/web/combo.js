// A combo box after the ARIA combobox pattern: an editable input, an open button
// and a list of options. Typing is delivered as an edit; only a pick from the
// list is delivered as a pick.
export function makeCombo(control, openLabel, actions) {
  const box = document.createElement("div");
  box.className = "combo";
  const input = document.createElement("input");
  Object.assign(input, { id: control.id, type: "text", autocomplete: "off", spellcheck: false });
  input.setAttribute("role", "combobox");
  input.setAttribute("aria-autocomplete", "none");
  input.setAttribute("aria-expanded", "false");
  const list = document.createElement("ul");
  list.id = `${control.id}_list`;
  list.setAttribute("role", "listbox");
  list.hidden = true;
  input.setAttribute("aria-controls", list.id);
  const button = document.createElement("button");
  Object.assign(button, { type: "button", tabIndex: -1, textContent: "▾" });
  button.setAttribute("aria-label", openLabel);
  button.setAttribute("aria-controls", list.id);
  box.append(input, button, list);

  let active = -1;
  const items = () => [...list.children];
  const isOpen = () => !list.hidden;
  const setActive = (i) => {
    items().forEach((li, k) => li.setAttribute("aria-selected", String(k === i)));
    active = i;
    if (i >= 0) {
      input.setAttribute("aria-activedescendant", items()[i].id);
      items()[i].scrollIntoView({ block: "nearest" });
    } else {
      input.removeAttribute("aria-activedescendant");
    }
  };
  const open = () => {
    if (isOpen() || input.disabled) return;
    list.hidden = false;
    input.setAttribute("aria-expanded", "true");
    setActive(Math.max(0, items().findIndex((li) => li.textContent === input.value)));
  };
  const close = () => {
    list.hidden = true;
    input.setAttribute("aria-expanded", "false");
    setActive(-1);
  };
  const pick = (i) => {
    close();
    actions.pick(i);
  };

  input.addEventListener("input", () => actions.edit());
  input.addEventListener("keydown", (e) => onKey(e));
  input.addEventListener("blur", close);
  // Neither the button nor the list takes the focus from the input.
  for (const part of [button, list]) part.addEventListener("mousedown", (e) => e.preventDefault());
  button.addEventListener("click", () => (isOpen() ? close() : open()));
  list.addEventListener("click", (e) => {
    const li = e.target.closest("li");
    if (li) pick(items().indexOf(li));
  });

  function onKey(e) {
    const count = items().length;
    if (!isOpen()) {
      if (e.key === "ArrowDown") {
        e.preventDefault();
        open();
      }
      return;
    }
    if (e.key === "ArrowDown" && e.altKey) e.preventDefault();
    else if (e.key === "ArrowDown") setActive(Math.min(count - 1, active + 1));
    else if (e.key === "ArrowUp" && !e.altKey) setActive(Math.max(0, active - 1));
    else if (e.key === "PageDown") setActive(Math.min(count - 1, active + 10));
    else if (e.key === "PageUp") setActive(Math.max(0, active - 10));
    else if (e.key === "Enter" || (e.key === "ArrowUp" && e.altKey)) pick(active);
    else if (e.key === "Tab" || e.key === "Escape") close();
    else return;
    if (e.key !== "Tab") e.preventDefault();
  }

  function setItems(texts) {
    list.replaceChildren(
      ...texts.map((text, i) => {
        const li = document.createElement("li");
        li.id = `${control.id}_item_${i}`;
        li.setAttribute("role", "option");
        li.textContent = text;
        return li;
      }),
    );
  }

  return { box, input, button, list, setItems, isOpen, close };
}
