#pragma once

// Command ids of menus, toolbars and accelerators. They keep the numbers of
// the program's command tables, so the tables read like the original ones.
// Every QAction carries its command id in QAction::data().
enum CommandId {
  ID_FILE_NEW = 57600,
  ID_FILE_OPEN = 57601,
  ID_FILE_CLOSE = 57602,
  ID_FILE_SAVE = 57603,
  ID_FILE_SAVE_AS = 57604,
  ID_FILE_PRINT_SETUP = 57606,
  ID_FILE_PRINT = 57607,
  ID_FILE_PRINT_PREVIEW = 57609,
  ID_FILE_MRU_FILE1 = 57616,
  ID_EDIT_COPY = 57634,
  ID_EDIT_CUT = 57635,
  ID_EDIT_PASTE = 57637,
  ID_EDIT_UNDO = 57643,
  ID_EDIT_REDO = 57644,
  ID_WINDOW_NEW = 57648,
  ID_WINDOW_ARRANGE = 57649,
  ID_WINDOW_CASCADE = 57650,
  ID_WINDOW_TILE_HORZ = 57651,
  ID_APP_ABOUT = 57664,
  ID_APP_EXIT = 57665,
  ID_HELP_FINDER = 57667,
  ID_NEXT_PANE = 57680,
  ID_PREV_PANE = 57681,
  ID_VIEW_TOOLBAR = 59392,
  ID_VIEW_STATUS_BAR = 59393,
  ID_INDICATOR_HEIGHT = 59394,
  ID_INDICATOR_TILT = 59395,
  ID_INDICATOR_TURN = 59396,
  // Control id of a child frame's own toolbar: this plus the slot index (1 to 16).
  ID_CHILD_TOOLBAR_BASE = 59423,

  ID_TOOL_ZOOM_IN = 32823,
  ID_TOOL_ZOOM_OUT = 32824,
  ID_TOOL_PAN = 32825,
  ID_TOOL_ROTATE = 32826,
  ID_TOOL_TRACKBALL = 32827,
  ID_VIEW_RESET_ALL = 32828,
  ID_VIEW_RESET_TRACKBALL = 32829,
  ID_VIEW_XY_PLANE = 32830,
  ID_VIEW_XZ_PLANE = 32831,
  ID_VIEW_YZ_PLANE = 32832,
  ID_VIEW_OPTIONS = 32839,
  ID_VIEW_VIEWPOINT = 32840,
  ID_MODEL_PILOT_C1 = 32845,
  ID_MODEL_PILOT_B1 = 32846,
  ID_MODEL_PILOT_B2 = 32847,
  ID_MODEL_PILOT_A1 = 32848,
  ID_VIEW_SHOW_SENSOR = 32863,
  ID_VIEW_WHOLE_SCENE = 32864,
  ID_FILE_NEW_ROOM = 32890,
  ID_FILE_REPORT = 32930,
  ID_OPTIMIZE_PLACEMENT = 32920,
  ID_VIEW_BLIND_SPOTS = 32910,
  ID_VIEW_COVERAGE = 32911,
  ID_VIEW_ALL_WALLS = 32940,
  ID_VIEW_PLAN = 32941,
  // Where the "Fenster" menu lists the open windows; Strg+Tab and
  // Strg+Umschalt+Tab go through them.
  ID_WINDOW_LIST = 32950,
  ID_WINDOW_NEXT = 32951,
  ID_WINDOW_PREVIOUS = 32952,
  ID_VIEW_HIDDEN_PARTS = 32980,
};

// Resource ids of the menus and toolbars: without a document, and while a
// project window is active.
constexpr int IDR_MAINFRAME = 128;
constexpr int IDR_KMVTYPE = 129;
