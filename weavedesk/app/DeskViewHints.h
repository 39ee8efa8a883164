// Update hints the document on the framework sends to its views beyond
// the window-free document's (DeskHint): what it asks of the dialog editor,
// which the edit view holds, and of the header view. So the document
// reaches its views without knowing their classes. Ids only.
#pragma once

enum DeskViewHint {
  DESK_HINT_COMMIT_DIALOG_RECTS = 101,  // the dialog editor writes its rectangles into the tree
  DESK_HINT_DETACH_DIALOG_EDITOR = 102, // the dialog editor lets go of its node
  DESK_HINT_REFRESH_HEADER = 103        // the header shows the document's date again
};
