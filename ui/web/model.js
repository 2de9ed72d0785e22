// The model's functions (ui/web/page_api.cpp) under JavaScript names.
// `tableJson`: the control table as the packer wrote it into the page, when it did.
export function wrapModel(module, tableJson) {
  const fn = (name, result, args) => module.cwrap(name, result, args);
  const n = "number";
  const s = "string";
  return {
    table: JSON.parse(tableJson ?? module.ccall("sb_table", s, [], [])),
    need: fn("sb_need", null, [n, n, n]),
    layout: fn("sb_layout", n, []),
    edge: fn("sb_edge", n, [n]),
    text: fn("sb_text", s, [n]),
    itemCount: fn("sb_item_count", n, [n]),
    item: fn("sb_item", s, [n, n]),
    listMatch: fn("sb_list_match", n, [n]),
    state: () => JSON.parse(module.ccall("sb_state", s, [], [])),
    optionKey: fn("sb_option_key", n, [n, s]),
    pick: fn("sb_pick", null, [n, n]),
    click: fn("sb_click", null, [n]),
    select: fn("sb_select", null, [n]),
    userEdit: fn("sb_user_edit", n, [n, n, n, s]),
    messageClose: fn("sb_message_close", null, []),
    escape: fn("sb_escape", n, []),
    commandForKeys: fn("sb_command_for_keys", n, [n, s]),
    aboutText: fn("sb_about_text", s, []),
    resultsText: fn("sb_results_text", s, []),
    sheetSvg: fn("sb_sheet_svg", s, [n, n, n]),
    printCss: fn("sb_print_css", s, []),
  };
}

// The texts of control c's list.
export const itemsOf = (model, c) => Array.from({ length: model.itemCount(c) }, (_, i) => model.item(c, i));
