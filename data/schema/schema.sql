-- Reed Mere database: fifteen tables.
-- Tables with a counter "Cod" are keyed by it; every other table carries a
-- hidden counter "Row_id" so that a snapshot row can be written back.
-- Texts hold at most 255 characters and compare without regard to case.

CREATE TABLE "Reedmere" (
  "Author"    TEXT COLLATE NOCASE CHECK (length("Author") <= 255),
  "Classific" INTEGER CHECK ("Classific" BETWEEN -2147483648 AND 2147483647),
  "Lat_name"  TEXT COLLATE NOCASE CHECK (length("Lat_name") <= 255),
  "Cod"       INTEGER PRIMARY KEY AUTOINCREMENT,
  "Of_cod"    INTEGER CHECK ("Of_cod" BETWEEN -2147483648 AND 2147483647),
  "Class"     INTEGER CHECK ("Class" BETWEEN -2147483648 AND 2147483647)
);
CREATE INDEX "Reedmere_Of_cod" ON "Reedmere" ("Of_cod", "Classific");
CREATE INDEX "Reedmere_Classific" ON "Reedmere" ("Classific");
CREATE INDEX "Reedmere_Lat_name" ON "Reedmere" ("Lat_name");
CREATE INDEX "Reedmere_Class" ON "Reedmere" ("Class", "Classific");

CREATE TABLE "My fishes" (
  "Cod"            INTEGER PRIMARY KEY AUTOINCREMENT,
  "Number_female"  INTEGER CHECK ("Number_female" BETWEEN -32768 AND 32767),
  "Number_fries"   INTEGER CHECK ("Number_fries" BETWEEN -32768 AND 32767),
  "Number_male"    INTEGER CHECK ("Number_male" BETWEEN -32768 AND 32767),
  "Of_aquarium"    INTEGER CHECK ("Of_aquarium" BETWEEN -2147483648 AND 2147483647),
  "Of_fish"        INTEGER CHECK ("Of_fish" BETWEEN -2147483648 AND 2147483647),
  "Of_fry"         INTEGER CHECK ("Of_fry" BETWEEN -2147483648 AND 2147483647),
  "Other"          TEXT COLLATE NOCASE CHECK (length("Other") <= 255),
  "Place_birth"    TEXT COLLATE NOCASE CHECK (length("Place_birth") <= 255),
  "Date_first_eat" TIMESTAMP,
  "Date_mf"        TIMESTAMP,
  "Date_dye"       TIMESTAMP,
  "Date_gift"      TIMESTAMP,
  "Date_sale"      TIMESTAMP,
  "Died"           INTEGER CHECK ("Died" BETWEEN -32768 AND 32767),
  "Gifted"         INTEGER CHECK ("Gifted" BETWEEN -32768 AND 32767),
  "Income"         INTEGER CHECK ("Income" BETWEEN -2147483648 AND 2147483647),
  "Outgo"          INTEGER CHECK ("Outgo" BETWEEN -2147483648 AND 2147483647),
  "Saled"          INTEGER CHECK ("Saled" BETWEEN -32768 AND 32767),
  "Forsale"        INTEGER CHECK ("Forsale" IN (0, 1)),
  "Price"          INTEGER CHECK ("Price" BETWEEN -2147483648 AND 2147483647),
  "Size"           INTEGER CHECK ("Size" BETWEEN 0 AND 255)
);
CREATE INDEX "My_fishes_Of_fish" ON "My fishes" ("Of_fish");
CREATE INDEX "My_fishes_Of_fry" ON "My fishes" ("Of_fry");
CREATE INDEX "My_fishes_Of_aquarium" ON "My fishes" ("Of_aquarium");
CREATE INDEX "My_fishes_Date_first_eat" ON "My fishes" ("Date_first_eat", "Cod");

CREATE TABLE "Aquariums" (
  "Cod"         INTEGER PRIMARY KEY AUTOINCREMENT,
  "In_liters"   INTEGER CHECK ("In_liters" BETWEEN -32768 AND 32767),
  "Other"       TEXT COLLATE NOCASE CHECK (length("Other") <= 255),
  "Size_height" INTEGER CHECK ("Size_height" BETWEEN -32768 AND 32767),
  "Size_length" INTEGER CHECK ("Size_length" BETWEEN -32768 AND 32767),
  "Size_width"  INTEGER CHECK ("Size_width" BETWEEN -32768 AND 32767),
  "Date"        TIMESTAMP,
  "Date_out"    TIMESTAMP,
  "Price"       INTEGER CHECK ("Price" BETWEEN -2147483648 AND 2147483647),
  "Price_out"   INTEGER CHECK ("Price_out" BETWEEN -2147483648 AND 2147483647)
);
CREATE INDEX "Aquariums_Date_out" ON "Aquariums" ("Date_out");
CREATE INDEX "Aquariums_Other" ON "Aquariums" ("Other");

CREATE TABLE "Incubator" (
  "Cod"          INTEGER PRIMARY KEY AUTOINCREMENT,
  "Number_eggs"  INTEGER CHECK ("Number_eggs" BETWEEN -32768 AND 32767),
  "Number_fries" INTEGER CHECK ("Number_fries" BETWEEN -32768 AND 32767),
  "Of_father"    INTEGER CHECK ("Of_father" BETWEEN -2147483648 AND 2147483647),
  "Of_mother"    INTEGER CHECK ("Of_mother" BETWEEN -2147483648 AND 2147483647),
  "Fries_out"    INTEGER CHECK ("Fries_out" BETWEEN -32768 AND 32767),
  "Date_eggs"    TIMESTAMP,
  "Date_fries"   TIMESTAMP,
  "Of_incubator" INTEGER CHECK ("Of_incubator" BETWEEN -32768 AND 32767)
);
CREATE INDEX "Incubator_Of_father" ON "Incubator" ("Of_father");
CREATE INDEX "Incubator_Of_mother" ON "Incubator" ("Of_mother");
CREATE INDEX "Incubator_Fries_out" ON "Incubator" ("Fries_out", "Date_fries");
CREATE INDEX "Incubator_Date_eggs" ON "Incubator" ("Date_eggs");

CREATE TABLE "Taxons" (
  "Number"   INTEGER CHECK ("Number" BETWEEN -2147483648 AND 2147483647),
  "Type"     TEXT COLLATE NOCASE CHECK (length("Type") <= 255),
  "Cod"      INTEGER CHECK ("Cod" BETWEEN -32768 AND 32767),
  "Type_rus" TEXT COLLATE NOCASE CHECK (length("Type_rus") <= 255),
  "Row_id"   INTEGER PRIMARY KEY AUTOINCREMENT
);
CREATE INDEX "Taxons_Number" ON "Taxons" ("Number");

CREATE TABLE "Habitat" (
  "Cod"    INTEGER PRIMARY KEY AUTOINCREMENT,
  "Name"   TEXT COLLATE NOCASE CHECK (length("Name") <= 255),
  "Of_cod" INTEGER CHECK ("Of_cod" BETWEEN -2147483648 AND 2147483647)
);
CREATE INDEX "Habitat_Of_cod" ON "Habitat" ("Of_cod");
CREATE INDEX "Habitat_Name" ON "Habitat" ("Name");

CREATE TABLE "Sent" (
  "Type"    INTEGER CHECK ("Type" BETWEEN -32768 AND 32767),
  "Count"   INTEGER CHECK ("Count" BETWEEN -32768 AND 32767),
  "Date"    TIMESTAMP,
  "Comment" TEXT COLLATE NOCASE CHECK (length("Comment") <= 255),
  "Price"   INTEGER CHECK ("Price" BETWEEN -2147483648 AND 2147483647),
  "Row_id"  INTEGER PRIMARY KEY AUTOINCREMENT
);
CREATE INDEX "Sent_Date" ON "Sent" ("Date");

CREATE TABLE "Fishes" (
  "Habitat"    TEXT COLLATE NOCASE CHECK (length("Habitat") <= 255),
  "Forage"     TEXT COLLATE NOCASE CHECK (length("Forage") <= 255),
  "Forage_fr"  TEXT COLLATE NOCASE CHECK (length("Forage_fr") <= 255),
  "Keep_cond"  TEXT COLLATE NOCASE CHECK (length("Keep_cond") <= 255),
  "Spawn_cond" TEXT COLLATE NOCASE CHECK (length("Spawn_cond") <= 255),
  "Egg_quant"  INTEGER CHECK ("Egg_quant" BETWEEN -2147483648 AND 2147483647),
  "Egg_term"   INTEGER CHECK ("Egg_term" BETWEEN -32768 AND 32767),
  "Fr_perc"    INTEGER CHECK ("Fr_perc" BETWEEN 0 AND 255),
  "Fr_term"    INTEGER CHECK ("Fr_term" BETWEEN -32768 AND 32767),
  "Of_fish"    INTEGER CHECK ("Of_fish" BETWEEN -2147483648 AND 2147483647),
  "Egg_size"   TEXT COLLATE NOCASE CHECK (length("Egg_size") <= 255),
  "F_len"      TEXT COLLATE NOCASE CHECK (length("F_len") <= 255),
  "Fr_len"     TEXT COLLATE NOCASE CHECK (length("Fr_len") <= 255),
  "J_len"      TEXT COLLATE NOCASE CHECK (length("J_len") <= 255),
  "M_len"      TEXT COLLATE NOCASE CHECK (length("M_len") <= 255),
  "Row_id"     INTEGER PRIMARY KEY AUTOINCREMENT
);
CREATE INDEX "Fishes_Of_fish" ON "Fishes" ("Of_fish");

CREATE TABLE "Links" (
  "Of_fish" INTEGER CHECK ("Of_fish" BETWEEN -2147483648 AND 2147483647),
  "HTTP"    TEXT COLLATE NOCASE CHECK (length("HTTP") <= 255),
  "E_mail"  TEXT COLLATE NOCASE CHECK (length("E_mail") <= 255),
  "FTP"     TEXT COLLATE NOCASE CHECK (length("FTP") <= 255),
  "Name"    TEXT COLLATE NOCASE CHECK (length("Name") <= 255),
  "Type"    INTEGER CHECK ("Type" BETWEEN 0 AND 255),
  "Row_id"  INTEGER PRIMARY KEY AUTOINCREMENT
);
CREATE INDEX "Links_Of_fish" ON "Links" ("Of_fish", "Type");

CREATE TABLE "Common" (
  "Of_fish"  INTEGER CHECK ("Of_fish" BETWEEN -2147483648 AND 2147483647),
  "Name"     TEXT COLLATE NOCASE CHECK (length("Name") <= 255),
  "Language" INTEGER CHECK ("Language" BETWEEN 0 AND 255),
  "Row_id"   INTEGER PRIMARY KEY AUTOINCREMENT
);
CREATE INDEX "Common_Of_fish" ON "Common" ("Of_fish", "Language", "Name");
CREATE INDEX "Common_Language" ON "Common" ("Language", "Name");
CREATE INDEX "Common_Name" ON "Common" ("Name");

CREATE TABLE "Price" (
  "Of_cod"      INTEGER CHECK ("Of_cod" BETWEEN -2147483648 AND 2147483647),
  "Price_s"     INTEGER CHECK ("Price_s" BETWEEN -2147483648 AND 2147483647),
  "Price_s_ws"  INTEGER CHECK ("Price_s_ws" BETWEEN -2147483648 AND 2147483647),
  "Price_sm"    INTEGER CHECK ("Price_sm" BETWEEN -2147483648 AND 2147483647),
  "Price_sm_ws" INTEGER CHECK ("Price_sm_ws" BETWEEN -2147483648 AND 2147483647),
  "Price_m"     INTEGER CHECK ("Price_m" BETWEEN -2147483648 AND 2147483647),
  "Price_m_ws"  INTEGER CHECK ("Price_m_ws" BETWEEN -2147483648 AND 2147483647),
  "Price_ml"    INTEGER CHECK ("Price_ml" BETWEEN -2147483648 AND 2147483647),
  "Price_ml_ws" INTEGER CHECK ("Price_ml_ws" BETWEEN -2147483648 AND 2147483647),
  "Price_l"     INTEGER CHECK ("Price_l" BETWEEN -2147483648 AND 2147483647),
  "Price_l_ws"  INTEGER CHECK ("Price_l_ws" BETWEEN -2147483648 AND 2147483647),
  "Size_l"      TEXT COLLATE NOCASE CHECK (length("Size_l") <= 255),
  "Size_m"      TEXT COLLATE NOCASE CHECK (length("Size_m") <= 255),
  "Size_ml"     TEXT COLLATE NOCASE CHECK (length("Size_ml") <= 255),
  "Size_s"      TEXT COLLATE NOCASE CHECK (length("Size_s") <= 255),
  "Size_sm"     TEXT COLLATE NOCASE CHECK (length("Size_sm") <= 255),
  "Row_id"      INTEGER PRIMARY KEY AUTOINCREMENT
);
CREATE INDEX "Price_Of_cod" ON "Price" ("Of_cod");

CREATE TABLE "Senttype" (
  "Cod"  INTEGER PRIMARY KEY AUTOINCREMENT,
  "Type" INTEGER CHECK ("Type" IN (0, 1)),
  "Name" TEXT COLLATE NOCASE CHECK (length("Name") <= 255)
);

CREATE TABLE "Description" (
  "Of_fish"  INTEGER CHECK ("Of_fish" BETWEEN -2147483648 AND 2147483647),
  "Language" INTEGER CHECK ("Language" BETWEEN -32768 AND 32767),
  "Text"     TEXT,
  "Row_id"   INTEGER PRIMARY KEY AUTOINCREMENT
);
CREATE INDEX "Description_Of_fish" ON "Description" ("Of_fish", "Language");

CREATE TABLE "Plants" (
  "Of_cod"    INTEGER CHECK ("Of_cod" BETWEEN -2147483648 AND 2147483647),
  "Height"    TEXT COLLATE NOCASE CHECK (length("Height") <= 255),
  "Diameter"  TEXT COLLATE NOCASE CHECK (length("Diameter") <= 255),
  "Fl_size"   TEXT COLLATE NOCASE CHECK (length("Fl_size") <= 255),
  "Seed_size" TEXT COLLATE NOCASE CHECK (length("Seed_size") <= 255),
  "Habitat"   TEXT COLLATE NOCASE CHECK (length("Habitat") <= 255),
  "Keep_cond" TEXT COLLATE NOCASE CHECK (length("Keep_cond") <= 255),
  "Substrat"  TEXT COLLATE NOCASE CHECK (length("Substrat") <= 255),
  "Season"    INTEGER CHECK ("Season" BETWEEN -2147483648 AND 2147483647),
  "Flow_term" INTEGER CHECK ("Flow_term" BETWEEN -2147483648 AND 2147483647),
  "Seed_term" INTEGER CHECK ("Seed_term" BETWEEN -2147483648 AND 2147483647),
  "Seed_perc" INTEGER CHECK ("Seed_perc" BETWEEN 0 AND 255),
  "Spr_size"  TEXT COLLATE NOCASE CHECK (length("Spr_size") <= 255),
  "Root"      TEXT COLLATE NOCASE CHECK (length("Root") <= 255),
  "Row_id"    INTEGER PRIMARY KEY AUTOINCREMENT
);
CREATE INDEX "Plants_Of_cod" ON "Plants" ("Of_cod");

CREATE TABLE "Journal" (
  "Of_aqua"     INTEGER CHECK ("Of_aqua" BETWEEN -2147483648 AND 2147483647),
  "Date"        TIMESTAMP,
  "Waterchange" INTEGER CHECK ("Waterchange" IN (0, 1)),
  "Volume_wc"   INTEGER CHECK ("Volume_wc" BETWEEN -2147483648 AND 2147483647),
  "dGh"         INTEGER CHECK ("dGh" BETWEEN -32768 AND 32767),
  "dKh"         INTEGER CHECK ("dKh" BETWEEN 0 AND 255),
  "pH"          TEXT COLLATE NOCASE CHECK (length("pH") <= 255),
  "rH"          TEXT COLLATE NOCASE CHECK (length("rH") <= 255),
  "salt"        INTEGER CHECK ("salt" BETWEEN 0 AND 255),
  "NH"          TEXT COLLATE NOCASE CHECK (length("NH") <= 255),
  "NO2"         TEXT COLLATE NOCASE CHECK (length("NO2") <= 255),
  "NO3"         TEXT COLLATE NOCASE CHECK (length("NO3") <= 255),
  "PO"          TEXT COLLATE NOCASE CHECK (length("PO") <= 255),
  "Row_id"      INTEGER PRIMARY KEY AUTOINCREMENT
);
CREATE INDEX "Journal_Of_aqua" ON "Journal" ("Of_aqua", "Date");
