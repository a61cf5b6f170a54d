#include "ui/app/PanelLayout.h"

#include "core/InterfaceText.h"

namespace app {

const std::vector<int>& panelControls() {
    static const std::vector<int> controls = {
        PANEL_EXPENSES_GROUP, PANEL_POTENTIAL_GROUP, PANEL_PROJECT_GROUP,
        IDC_NEW, IDC_FROM_DATE, PANEL_PERIOD_CAPTION, IDC_TO_DATE, IDC_DELETE,
        IDC_DATE_LIST, IDC_TEXT_LIST, IDC_NUM_LIST, IDC_PRICE_LIST,
        PANEL_BALANCE_CAPTION, IDC_BALANCE_VALUE, PANEL_SUMMARY_CAPTION, IDC_SUMMARY_VALUE,
        IDC_SOLD, IDC_DIED, IDC_GIFTED, IDC_SOLD_COUNT, IDC_DIED_COUNT, IDC_GIFTED_COUNT,
        IDC_FISHES, IDC_EGGS, IDC_LARVAS, IDC_FISHES_COUNT, IDC_EGGS_COUNT, IDC_LARVAS_COUNT,
        IDC_FISH_CATALOGUE, IDC_MY_FISHES, IDC_INCUBATOR, IDC_MY_TANKS,
    };
    return controls;
}

namespace {

// Sold, Died, Gifted and their counts: columns i = 0, 1, 2 from the left.
PanelRect leftColumn(int i, bool button, int h) {
    return button ? PanelRect{10 + 90 * i, h - 92, 90, 22} : PanelRect{10 + 90 * i, h - 70, 90, 20};
}

// Fishes, Eggs, Larvas and their counts: columns from w-190.
PanelRect rightColumn(int i, bool button, int w, int h) {
    return button ? PanelRect{w - 190 + 60 * i, h - 92, 60, 22} : PanelRect{w - 190 + 60 * i, h - 70, 60, 20};
}

PanelRect projectButton(int i, int w, int h) {
    int bw = (w - 35) / 4;
    return {10 + i * (bw + 5), h - 30, bw, 22};
}

}  // namespace

PanelRect panelPlace(int control, int w, int h) {
    const int h2 = w / 2;
    const int listHeight = h - 160;
    switch (control) {
    case PANEL_EXPENSES_GROUP: return {5, -2, w - 10, h};
    case IDC_NEW: return {10, 12, h2 - 135, 22};
    case IDC_FROM_DATE: return {h2 - 115, 12, 80, 22};
    case PANEL_PERIOD_CAPTION: return {h2 - 35, 14, 70, 22};
    case IDC_TO_DATE: return {h2 + 35, 12, 80, 22};
    case IDC_DELETE: return {h2 + 125, 12, w - h2 - 135, 22};
    case IDC_DATE_LIST: return {10, 40, 72, listHeight};
    case IDC_TEXT_LIST: return {82, 40, w - 192, listHeight};
    case IDC_NUM_LIST: return {w - 110, 40, 50, listHeight};
    case IDC_PRICE_LIST: return {w - 60, 40, 50, listHeight};
    case PANEL_BALANCE_CAPTION: return {10, h - 120, 65, 18};
    case IDC_BALANCE_VALUE: return {80, h - 120, 50, 20};
    case PANEL_SUMMARY_CAPTION: return {w - 160, h - 120, 90, 18};
    case IDC_SUMMARY_VALUE: return {w - 70, h - 120, 60, 20};
    case PANEL_POTENTIAL_GROUP: return {5, h - 105, w - 10, 103};
    case IDC_SOLD: return leftColumn(0, true, h);
    case IDC_DIED: return leftColumn(1, true, h);
    case IDC_GIFTED: return leftColumn(2, true, h);
    case IDC_SOLD_COUNT: return leftColumn(0, false, h);
    case IDC_DIED_COUNT: return leftColumn(1, false, h);
    case IDC_GIFTED_COUNT: return leftColumn(2, false, h);
    case IDC_FISHES: return rightColumn(0, true, w, h);
    case IDC_EGGS: return rightColumn(1, true, w, h);
    case IDC_LARVAS: return rightColumn(2, true, w, h);
    case IDC_FISHES_COUNT: return rightColumn(0, false, w, h);
    case IDC_EGGS_COUNT: return rightColumn(1, false, w, h);
    case IDC_LARVAS_COUNT: return rightColumn(2, false, w, h);
    case PANEL_PROJECT_GROUP: return {5, h - 50, w - 10, 48};
    case IDC_FISH_CATALOGUE: return projectButton(0, w, h);
    case IDC_MY_FISHES: return projectButton(1, w, h);
    case IDC_INCUBATOR: return projectButton(2, w, h);
    case IDC_MY_TANKS: return projectButton(3, w, h);
    default: return {};
    }
}

int panelCaption(int control) {
    switch (control) {
    case PANEL_EXPENSES_GROUP: return core::kTextExpenses;
    case PANEL_POTENTIAL_GROUP: return core::kTextPotential;
    case PANEL_PROJECT_GROUP: return core::kTextProject;
    case IDC_NEW: return core::kTextNew;
    case IDC_DELETE: return core::kTextDelete;
    case IDC_FISH_CATALOGUE: return core::kTextFishCatalogue;
    case IDC_MY_FISHES: return core::kTextMyFishes;
    case IDC_INCUBATOR: return core::kTextIncubator;
    case IDC_MY_TANKS: return core::kTextMyTanks;
    case IDC_SOLD: return core::kTextSold;
    case IDC_DIED: return core::kTextDied;
    case IDC_GIFTED: return core::kTextGifted;
    case IDC_FISHES: return core::kTextFishes;
    case IDC_EGGS: return core::kTextEggs;
    case IDC_LARVAS: return core::kTextLarvas;
    case PANEL_PERIOD_CAPTION: return core::kTextPeriod;
    case PANEL_BALANCE_CAPTION: return core::kTextBalance;
    case PANEL_SUMMARY_CAPTION: return core::kTextSummary;
    case IDC_DATE_LIST: return core::kTextDate;
    case IDC_TEXT_LIST: return core::kTextListOfPurchases;
    case IDC_NUM_LIST: return core::kTextNum;
    case IDC_PRICE_LIST: return core::kTextPrice;
    default: return 0;
    }
}

void PanelRows::add() {
    ++count;
    if (filling_ == RowPart::Expense) fishStart = count;
    if (filling_ != RowPart::Tank) tankStart = count;
}

RowPart PanelRows::partOf(int row) const {
    if (!balance || row < 0 || row >= count) return RowPart::None;
    if (row < fishStart) return RowPart::Expense;
    if (row < tankStart) return RowPart::Fish;
    return RowPart::Tank;
}

int PanelRows::indexInPart(int row) const {
    switch (partOf(row)) {
    case RowPart::Expense: return row;
    case RowPart::Fish: return row - fishStart;
    case RowPart::Tank: return row - tankStart;
    default: return -1;
    }
}

}  // namespace app
