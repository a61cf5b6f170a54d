#include "db/Records.h"

namespace db {

Fish::Fish(Connection& c) : Recordset(c, "Reedmere", true) {
    bind("Author", m_Author);
    bind("Classific", m_Classific, ColType::Long);
    bind("Lat_name", m_Lat_name);
    bind("Cod", m_Cod, ColType::Long);
    bind("Of_cod", m_Of_cod, ColType::Long);
    bind("Class", m_Class, ColType::Long);
}

My_Fish::My_Fish(Connection& c) : Recordset(c, "My fishes", true) {
    bind("Cod", m_Cod, ColType::Long);
    bind("Number_female", m_Number_female, ColType::Int);
    bind("Number_fries", m_Number_fries, ColType::Int);
    bind("Number_male", m_Number_male, ColType::Int);
    bind("Of_aquarium", m_Of_aquarium, ColType::Long);
    bind("Of_fish", m_Of_fish, ColType::Long);
    bind("Of_fry", m_Of_fry, ColType::Long);
    bind("Other", m_Other);
    bind("Place_birth", m_Place_birth);
    bind("Date_first_eat", m_Date_first_eat);
    bind("Date_mf", m_Date_mf);
    bind("Date_dye", m_Date_dye);
    bind("Date_gift", m_Date_gift);
    bind("Date_sale", m_Date_sale);
    bind("Died", m_Died, ColType::Int);
    bind("Gifted", m_Gifted, ColType::Int);
    bind("Income", m_Income, ColType::Long);
    bind("Outgo", m_Outgo, ColType::Long);
    bind("Saled", m_Saled, ColType::Int);
    bind("Forsale", m_Forsale);
    bind("Price", m_Price, ColType::Long);
    bind("Size", m_Size, ColType::Byte);
}

Aquarium::Aquarium(Connection& c) : Recordset(c, "Aquariums", true) {
    bind("Cod", m_Cod, ColType::Long);
    bind("In_liters", m_In_liters, ColType::Int);
    bind("Other", m_Other);
    bind("Size_height", m_Size_height, ColType::Int);
    bind("Size_length", m_Size_length, ColType::Int);
    bind("Size_width", m_Size_width, ColType::Int);
    bind("Date", m_Date);
    bind("Date_out", m_Date_out);
    bind("Price", m_Price, ColType::Long);
    bind("Price_out", m_Price_out, ColType::Long);
}

Incubator::Incubator(Connection& c) : Recordset(c, "Incubator", true) {
    bind("Cod", m_Cod, ColType::Long);
    bind("Number_eggs", m_Number_eggs, ColType::Int);
    bind("Number_fries", m_Number_fries, ColType::Int);
    bind("Of_father", m_Of_father, ColType::Long);
    bind("Of_mother", m_Of_mother, ColType::Long);
    bind("Fries_out", m_Fries_out, ColType::Int);
    bind("Date_eggs", m_Date_eggs);
    bind("Date_fries", m_Date_fries);
    bind("Of_incubator", m_Of_incubator, ColType::Int);
}

Classific::Classific(Connection& c) : Recordset(c, "Taxons", false) {
    bind("Number", m_Number, ColType::Long);
    bind("Type", m_Type);
    bind("Cod", m_Cod, ColType::Int);
    bind("Type_rus", m_Type_rus);
}

Habitat::Habitat(Connection& c) : Recordset(c, "Habitat", true) {
    bind("Cod", m_Cod, ColType::Long);
    bind("Name", m_Name);
    bind("Of_cod", m_Of_cod, ColType::Long);
}

CSent::CSent(Connection& c) : Recordset(c, "Sent", false) {
    bind("Type", m_Type, ColType::Int);
    bind("Count", m_Count, ColType::Int);
    bind("Date", m_Date);
    bind("Comment", m_Comment);
    bind("Price", m_Price, ColType::Long);
}

Fishes::Fishes(Connection& c) : Recordset(c, "Fishes", false) {
    bind("Habitat", m_Habitat);
    bind("Forage", m_Forage);
    bind("Forage_fr", m_Forage_fr);
    bind("Keep_cond", m_Keep_cond);
    bind("Spawn_cond", m_Spawn_cond);
    bind("Egg_quant", m_Egg_quant, ColType::Long);
    bind("Egg_term", m_Egg_term, ColType::Int);
    bind("Fr_perc", m_Fr_perc, ColType::Byte);
    bind("Fr_term", m_Fr_term, ColType::Int);
    bind("Of_fish", m_Of_fish, ColType::Long);
    bind("Egg_size", m_Egg_size);
    bind("F_len", m_F_len);
    bind("Fr_len", m_Fr_len);
    bind("J_len", m_J_len);
    bind("M_len", m_M_len);
}

Links::Links(Connection& c) : Recordset(c, "Links", false) {
    bind("Of_fish", m_Of_fish, ColType::Long);
    bind("HTTP", m_HTTP);
    bind("E_mail", m_E_mail);
    bind("FTP", m_FTP);
    bind("Name", m_Name);
    bind("Type", m_Type, ColType::Byte);
}

Common::Common(Connection& c) : Recordset(c, "Common", false) {
    bind("Of_fish", m_Of_fish, ColType::Long);
    bind("Name", m_Name);
    bind("Language", m_Language, ColType::Byte);
}

Price::Price(Connection& c) : Recordset(c, "Price", false) {
    bind("Of_cod", m_Of_cod, ColType::Long);
    bind("Price_s", m_Price_s, ColType::Long);
    bind("Price_s_ws", m_Price_s_ws, ColType::Long);
    bind("Price_sm", m_Price_sm, ColType::Long);
    bind("Price_sm_ws", m_Price_sm_ws, ColType::Long);
    bind("Price_m", m_Price_m, ColType::Long);
    bind("Price_m_ws", m_Price_m_ws, ColType::Long);
    bind("Price_ml", m_Price_ml, ColType::Long);
    bind("Price_ml_ws", m_Price_ml_ws, ColType::Long);
    bind("Price_l", m_Price_l, ColType::Long);
    bind("Price_l_ws", m_Price_l_ws, ColType::Long);
    bind("Size_l", m_Size_l);
    bind("Size_m", m_Size_m);
    bind("Size_ml", m_Size_ml);
    bind("Size_s", m_Size_s);
    bind("Size_sm", m_Size_sm);
}

Senttype::Senttype(Connection& c) : Recordset(c, "Senttype", true) {
    bind("Cod", m_Cod, ColType::Long);
    bind("Type", m_Type);
    bind("Name", m_Name);
}

CDescr::CDescr(Connection& c) : Recordset(c, "Description", false) {
    bind("Of_fish", m_Of_fish, ColType::Long);
    bind("Language", m_Language, ColType::Int);
    bind("Text", m_Text, ColType::Memo);
}

Plants::Plants(Connection& c) : Recordset(c, "Plants", false) {
    bind("Of_cod", m_Of_cod, ColType::Long);
    bind("Height", m_Height);
    bind("Diameter", m_Diameter);
    bind("Fl_size", m_Fl_size);
    bind("Seed_size", m_Seed_size);
    bind("Habitat", m_Habitat);
    bind("Keep_cond", m_Keep_cond);
    bind("Substrat", m_Substrat);
    bind("Season", m_Season, ColType::Long);
    bind("Flow_term", m_Flow_term, ColType::Long);
    bind("Seed_term", m_Seed_term, ColType::Long);
    bind("Seed_perc", m_Seed_perc, ColType::Byte);
    bind("Spr_size", m_Spr_size);
    bind("Root", m_Root);
}

CJournal::CJournal(Connection& c) : Recordset(c, "Journal", false) {
    bind("Of_aqua", m_Of_aqua, ColType::Long);
    bind("Date", m_Date);
    bind("Waterchange", m_Waterchange);
    bind("Volume_wc", m_Volume_wc, ColType::Long);
    bind("dGh", m_dGh, ColType::Int);
    bind("dKh", m_dKh, ColType::Byte);
    bind("pH", m_pH);
    bind("rH", m_rH);
    bind("salt", m_salt, ColType::Byte);
    bind("NH", m_NH);
    bind("NO2", m_NO2);
    bind("NO3", m_NO3);
    bind("PO", m_PO);
}

}  // namespace db
