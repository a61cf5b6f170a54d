// The farm's tanks in service: their lines and total, the volume computed
// from the dimensions, new, delete and sell, and the choice of the last
// used tank. Works on the document's tank record object.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "db/CFishesDoc.h"

namespace farm {

inline constexpr const char* kTanksInService = "Cod<>2 AND Date_out=#01/01/1980#";

// "%lu liters (Other)", or the empty-tank name for a volume below 1 litre.
std::string tankLine(int litres, const std::string& other, const std::string& emptyTankName);
// "In all" and the litres: "%s %lu liters".
std::string tankTotalLine(const std::string& inAll, long litres, const std::string& unit = "liters");
// Millimetres cubed to whole litres.
long long litresOf(long long length, long long height, long long width);

struct TankLine {
    std::string text;
    int cod = 0;
    int litres = 0;
};

// The tanks in service, in the record object's order ("In_liters, Other").
std::vector<TankLine> tanksInService(db::Aquarium& tanks, const std::string& emptyTankName);

enum class Dimension { Length, Height, Width };

class TankBook {
public:
    TankBook(db::CFishesDoc& doc, core::Settings& settings);

    void show();
    const std::vector<TankLine>& lines() const { return lines_; }
    // Sum of the volumes of at least 1 litre.
    long total() const;
    std::optional<std::size_t> lineOf(int cod) const;

    bool selectLine(std::size_t line);
    bool hasTank() const;
    db::Aquarium& tank() { return *doc_.tanks; }

    // Writes a dimension and the volume; false (nothing written) when the
    // volume would not fit its column.
    bool setDimension(Dimension which, int millimetres);
    void setName(const std::string& name);
    void setPrice(int cents);
    void setPurchaseDate(std::time_t date);

    // A new empty tank bought now; returns its code.
    int addTank();
    void deleteSelected();
    // The proposal of "Aqua-price (centes)": the purchase price, or 1.
    int saleProposal() const;
    // Takes the selected tank out of service at that price.
    void sellSelected(int cents);
    // The selected tank becomes the last used one.
    void choose();

private:
    void rebuild();
    bool positionOn(int cod);
    template <class F> void change(F set);

    db::CFishesDoc& doc_;
    core::Settings& settings_;
    db::Aquarium finder_;
    std::vector<TankLine> lines_;
};

}  // namespace farm
