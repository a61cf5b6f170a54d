// Choosing a taxon of one class through the catalogue window, for callers
// outside the catalogue (a fish lot's kind, a spawning plan's species).
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace catalogue {

struct ChooserRequest {
    std::string title;       // "Select a name for your fish"
    std::string classLabel;  // "Class Pisces"
    int classCode = 14;
    int startTaxon = 14;     // the taxon current on opening
};

class TaxonChooser {
public:
    virtual ~TaxonChooser() = default;
    // The taxon current when the user pressed OK; nothing on Cancel.
    virtual std::optional<int> choose(QWidget* parent, const ChooserRequest& request) = 0;
};

}  // namespace catalogue
