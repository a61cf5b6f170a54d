// The fifteen record classes, one per table, each binding its table's
// columns in their fixed order to members named like the columns.
// Integer members are 32-bit; "int" columns hold 16-bit values and "byte"
// columns 0 to 255, which update() enforces.
#pragma once

#include "db/Recordset.h"

namespace db {

// [Reedmere]: taxa of the catalogue, one row per taxon or synonym.
class Fish : public Recordset {
public:
    explicit Fish(Connection& c);
    std::string m_Author;
    std::int32_t m_Classific = 0;
    std::string m_Lat_name;
    std::int32_t m_Cod = 0;
    std::int32_t m_Of_cod = 0;
    std::int32_t m_Class = 0;
};

// [My fishes]: the breeder's fish lots.
class My_Fish : public Recordset {
public:
    explicit My_Fish(Connection& c);
    std::int32_t m_Cod = 0;
    std::int32_t m_Number_female = 0;
    std::int32_t m_Number_fries = 0;
    std::int32_t m_Number_male = 0;
    std::int32_t m_Of_aquarium = 0;
    std::int32_t m_Of_fish = 0;
    std::int32_t m_Of_fry = 0;
    std::string m_Other;
    std::string m_Place_birth;
    std::time_t m_Date_first_eat = 0;
    std::time_t m_Date_mf = 0;
    std::time_t m_Date_dye = 0;
    std::time_t m_Date_gift = 0;
    std::time_t m_Date_sale = 0;
    std::int32_t m_Died = 0;
    std::int32_t m_Gifted = 0;
    std::int32_t m_Income = 0;
    std::int32_t m_Outgo = 0;
    std::int32_t m_Saled = 0;
    bool m_Forsale = false;
    std::int32_t m_Price = 0;
    std::int32_t m_Size = 0;
};

// [Aquariums]: the tanks.
class Aquarium : public Recordset {
public:
    explicit Aquarium(Connection& c);
    std::int32_t m_Cod = 0;
    std::int32_t m_In_liters = 0;
    std::string m_Other;
    std::int32_t m_Size_height = 0;
    std::int32_t m_Size_length = 0;
    std::int32_t m_Size_width = 0;
    std::time_t m_Date = 0;
    std::time_t m_Date_out = 0;
    std::int32_t m_Price = 0;
    std::int32_t m_Price_out = 0;
};

// [Incubator]: spawnings.
class Incubator : public Recordset {
public:
    explicit Incubator(Connection& c);
    std::int32_t m_Cod = 0;
    std::int32_t m_Number_eggs = 0;
    std::int32_t m_Number_fries = 0;
    std::int32_t m_Of_father = 0;
    std::int32_t m_Of_mother = 0;
    std::int32_t m_Fries_out = 0;
    std::time_t m_Date_eggs = 0;
    std::time_t m_Date_fries = 0;
    std::int32_t m_Of_incubator = 0;
};

// [Taxons]: the levels of the taxonomy.
class Classific : public Recordset {
public:
    explicit Classific(Connection& c);
    std::int32_t m_Number = 0;
    std::string m_Type;
    std::int32_t m_Cod = 0;
    std::string m_Type_rus;
};

// [Habitat]: natural habitats, a tree of regions.
class Habitat : public Recordset {
public:
    explicit Habitat(Connection& c);
    std::int32_t m_Cod = 0;
    std::string m_Name;
    std::int32_t m_Of_cod = 0;
};

// [Sent]: expenses and other money movements.
class CSent : public Recordset {
public:
    explicit CSent(Connection& c);
    std::int32_t m_Type = 0;
    std::int32_t m_Count = 0;
    std::time_t m_Date = 0;
    std::string m_Comment;
    std::int32_t m_Price = 0;
};

// [Fishes]: the care and breeding card of an animal species.
class Fishes : public Recordset {
public:
    explicit Fishes(Connection& c);
    std::string m_Habitat;
    std::string m_Forage;
    std::string m_Forage_fr;
    std::string m_Keep_cond;
    std::string m_Spawn_cond;
    std::int32_t m_Egg_quant = 0;
    std::int32_t m_Egg_term = 0;
    std::int32_t m_Fr_perc = 0;
    std::int32_t m_Fr_term = 0;
    std::int32_t m_Of_fish = 0;
    std::string m_Egg_size;
    std::string m_F_len;
    std::string m_Fr_len;
    std::string m_J_len;
    std::string m_M_len;
};

// [Links]: internet references of a taxon.
class Links : public Recordset {
public:
    explicit Links(Connection& c);
    std::int32_t m_Of_fish = 0;
    std::string m_HTTP;
    std::string m_E_mail;
    std::string m_FTP;
    std::string m_Name;
    std::int32_t m_Type = 0;
};

// [Common]: common names.
class Common : public Recordset {
public:
    explicit Common(Connection& c);
    std::int32_t m_Of_fish = 0;
    std::string m_Name;
    std::int32_t m_Language = 0;
};

// [Price]: the price card of a species by size.
class Price : public Recordset {
public:
    explicit Price(Connection& c);
    std::int32_t m_Of_cod = 0;
    std::int32_t m_Price_s = 0;
    std::int32_t m_Price_s_ws = 0;
    std::int32_t m_Price_sm = 0;
    std::int32_t m_Price_sm_ws = 0;
    std::int32_t m_Price_m = 0;
    std::int32_t m_Price_m_ws = 0;
    std::int32_t m_Price_ml = 0;
    std::int32_t m_Price_ml_ws = 0;
    std::int32_t m_Price_l = 0;
    std::int32_t m_Price_l_ws = 0;
    std::string m_Size_l;
    std::string m_Size_m;
    std::string m_Size_ml;
    std::string m_Size_s;
    std::string m_Size_sm;
};

// [Senttype]: kinds of expense.
class Senttype : public Recordset {
public:
    explicit Senttype(Connection& c);
    std::int32_t m_Cod = 0;
    bool m_Type = false;
    std::string m_Name;
};

// [Description]: free-text descriptions of taxa by language.
class CDescr : public Recordset {
public:
    explicit CDescr(Connection& c);
    std::int32_t m_Of_fish = 0;
    std::int32_t m_Language = 0;
    std::string m_Text;
};

// [Plants]: the card of a plant species.
class Plants : public Recordset {
public:
    explicit Plants(Connection& c);
    std::int32_t m_Of_cod = 0;
    std::string m_Height;
    std::string m_Diameter;
    std::string m_Fl_size;
    std::string m_Seed_size;
    std::string m_Habitat;
    std::string m_Keep_cond;
    std::string m_Substrat;
    std::int32_t m_Season = 0;
    std::int32_t m_Flow_term = 0;
    std::int32_t m_Seed_term = 0;
    std::int32_t m_Seed_perc = 0;
    std::string m_Spr_size;
    std::string m_Root;
};

// [Journal]: the water journal of the tanks.
class CJournal : public Recordset {
public:
    explicit CJournal(Connection& c);
    std::int32_t m_Of_aqua = 0;
    std::time_t m_Date = 0;
    bool m_Waterchange = false;
    std::int32_t m_Volume_wc = 0;
    std::int32_t m_dGh = 0;
    std::int32_t m_dKh = 0;
    std::string m_pH;
    std::string m_rH;
    std::int32_t m_salt = 0;
    std::string m_NH;
    std::string m_NO2;
    std::string m_NO3;
    std::string m_PO;
};

}  // namespace db
