-- Seed rows of a new database: the level table, the root and the high
-- taxonomy down to the six classes, the expense kinds and the reserved farm
-- rows. Dates are written exactly as the driver stores a bound timestamp.

-- Levels: Number, English, layout code 100 + 10*g + u, Russian.
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (536870912,'Root',131,'Корень');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (268435456,'Domain',131,'Домен');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (134217728,'Kingdom',131,'Царство');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (67108864,'Subkingdom',131,'Подцарство');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (33554432,'Superphylum',131,'Надтип');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (16777216,'Phylum',131,'Тип');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (8388608,'Subphylum',131,'Подтип');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (4194304,'Infraphylum',131,'Инфратип');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (2097152,'Gigaclass',131,'Гигакласс');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (1048576,'Megaclass',131,'Мегакласс');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (524288,'Superclass',121,'Надкласс');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (262144,'Class',111,'Класс');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (131072,'Superorder',131,'Надотряд');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (65536,'Order',132,'Отряд');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (32768,'Suborder',133,'Подотряд');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (16384,'Infraorder',133,'Инфраотряд');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (8192,'Superfamily',133,'Надсемейство');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (4096,'Family',133,'Семейство');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (2048,'Subfamily',133,'Подсемейство');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (1024,'Tribe',133,'Триба');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (512,'Genus',133,'Род');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (256,'Subgenus',133,'Подрод');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (128,'Species group',133,'Группа видов');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (64,'Species',133,'Вид');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (32,'Subspecies',123,'Подвид');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (16,'Form',113,'Форма');
INSERT INTO "Taxons" ("Number","Type","Cod","Type_rus") VALUES (8,'Strain',103,'Линия');

-- The root and the high taxonomy; a class's Author is its level-visibility string.
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (1,', ',536870912,'Biota',0,0);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (2,'Linnaeus, 1758',134217728,'Animalia',1,0);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (3,'Haeckel, 1874',16777216,'Chordata',2,0);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (4,'Lamarck, 1801',8388608,'Vertebrata',3,0);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (5,'von Siebold, 1848',16777216,'Arthropoda',2,0);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (6,'Haeckel, 1866',134217728,'Plantae',1,0);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (7,', ',16777216,'Magnoliophyta',6,0);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (8,', ',16777216,'Pteridophyta',6,0);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (9,', ',16777216,'Bryophyta',6,0);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (14,'1111010011011110',262144,'Pisces',4,14);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (10420,'1111010011011110',262144,'Crustacea',5,10420);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (12127,'1111010011011110',262144,'Dicotyledones',7,12127);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (12129,'1111010011011110',262144,'Monocotyledones',7,12129);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (12176,'1111010011011110',262144,'Polypodiopsida',8,12176);
INSERT INTO "Reedmere" ("Cod","Author","Classific","Lat_name","Of_cod","Class") VALUES (12329,'1111010011011110',262144,'Musci',9,12329);

INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (2,'Animals',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (2,'Животные',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (3,'Chordates',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (3,'Хордовые',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (4,'Vertebrates',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (4,'Позвоночные',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (5,'Arthropods',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (5,'Членистоногие',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (6,'Plants',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (6,'Растения',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (7,'Flowering plants',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (7,'Цветковые',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (8,'Ferns',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (8,'Папоротниковидные',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (9,'Mosses',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (9,'Моховидные',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (14,'Fishes',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (14,'Рыбы',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (10420,'Crustaceans',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (10420,'Ракообразные',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (12127,'Dicots',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (12127,'Двудольные',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (12129,'Monocots',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (12129,'Однодольные',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (12176,'Ferns',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (12176,'Папоротники',1);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (12329,'Mosses',0);
INSERT INTO "Common" ("Of_fish","Name","Language") VALUES (12329,'Мхи',1);

-- Expense kinds; Type 1 marks a kind whose entries are income.
INSERT INTO "Senttype" ("Cod","Type","Name") VALUES (1,0,'Food');
INSERT INTO "Senttype" ("Cod","Type","Name") VALUES (2,0,'Equipment');
INSERT INTO "Senttype" ("Cod","Type","Name") VALUES (3,0,'Transport');
INSERT INTO "Senttype" ("Cod","Type","Name") VALUES (4,1,'Foodsell');
INSERT INTO "Senttype" ("Cod","Type","Name") VALUES (5,0,'Service');

-- Reserved farm rows, never listed: the lot of the class itself, tank 2 and
-- spawning 2 (the origin of bought lots and "parents not recorded").
INSERT INTO "Aquariums" ("Cod","In_liters","Other","Size_height","Size_length","Size_width","Date","Date_out","Price","Price_out")
  VALUES (2,0,'',0,0,0,'1980-01-01 00:00:00.000','1980-01-01 00:00:00.000',0,0);
INSERT INTO "Incubator" ("Cod","Number_eggs","Number_fries","Of_father","Of_mother","Fries_out","Date_eggs","Date_fries","Of_incubator")
  VALUES (2,0,0,0,0,-1,'1980-01-01 00:00:00.000','1980-01-01 00:00:00.000',0);
INSERT INTO "My fishes" ("Cod","Number_female","Number_fries","Number_male","Of_aquarium","Of_fish","Of_fry","Other","Place_birth",
  "Date_first_eat","Date_mf","Date_dye","Date_gift","Date_sale","Died","Gifted","Income","Outgo","Saled","Forsale","Price","Size")
  VALUES (5,0,0,0,2,14,2,'','','1980-01-01 00:00:00.000','1980-01-01 00:00:00.000','1980-01-01 00:00:00.000',
  '1980-01-01 00:00:00.000','1980-01-01 00:00:00.000',0,0,0,0,0,0,0,0);
