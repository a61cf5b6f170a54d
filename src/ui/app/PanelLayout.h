// The main view's panel without widgets: where each control stands in a
// client area of a given size, and which part of the balance list a row
// belongs to.
#pragma once

#include <vector>

namespace app {

// Numbered controls keep their numbers; the unnumbered ones (groups and
// captions) get numbers of their own below 100.
enum PanelControl {
    PANEL_EXPENSES_GROUP = 1,
    PANEL_PERIOD_CAPTION,
    PANEL_BALANCE_CAPTION,
    PANEL_SUMMARY_CAPTION,
    PANEL_POTENTIAL_GROUP,
    PANEL_PROJECT_GROUP,
    IDC_EGGS = 102,
    IDC_LARVAS = 103,
    IDC_SOLD = 106,
    IDC_DIED = 107,
    IDC_GIFTED = 108,
    IDC_FISHES = 109,
    IDC_NEW = 110,
    IDC_DELETE = 111,
    IDC_FISH_CATALOGUE = 112,
    IDC_MY_FISHES = 113,
    IDC_INCUBATOR = 114,
    IDC_MY_TANKS = 115,
    IDC_FROM_DATE = 116,
    IDC_TO_DATE = 117,
    IDC_BALANCE_VALUE = 118,
    IDC_SUMMARY_VALUE = 120,
    IDC_SOLD_COUNT = 121,
    IDC_DIED_COUNT = 122,
    IDC_GIFTED_COUNT = 123,
    IDC_FISHES_COUNT = 124,
    IDC_EGGS_COUNT = 125,
    IDC_LARVAS_COUNT = 126,
    IDC_DATE_LIST = 170,
    IDC_TEXT_LIST = 171,
    IDC_NUM_LIST = 172,
    IDC_PRICE_LIST = 173,
};

struct PanelRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PanelRect& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// Every control of the panel, in creation order (groups first, so the
// controls inside them are drawn over them).
const std::vector<int>& panelControls();

// The place of a control in a client area w by h.
PanelRect panelPlace(int control, int w, int h);

// The string-table entry of a control's caption, 0 for a field.
int panelCaption(int control);

enum class RowPart { None, Expense, Fish, Tank };

// The balance list: expense rows, then lot rows from fishStart, then tank
// rows from tankStart. A list that shows a log instead has no parts.
struct PanelRows {
    int fishStart = 0;
    int tankStart = 0;
    int count = 0;
    bool balance = true;

    // Filling in order: rows added before beginFish() are expenses, then lots,
    // then after beginTank() tanks.
    void add();
    void beginFish() { filling_ = RowPart::Fish; }
    void beginTank() { filling_ = RowPart::Tank; }

    RowPart partOf(int row) const;
    // Index of the row inside its part.
    int indexInPart(int row) const;

private:
    RowPart filling_ = RowPart::Expense;
};

}  // namespace app
