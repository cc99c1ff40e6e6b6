-- Shapes a damaged or hand-edited catalogue takes: integer and text cells where numbers are
-- expected, a family listed without its table, a table without rows, names with quotes, blanks
-- and non-ASCII letters, an INTEGER PRIMARY KEY and a column that shadows the row id.
CREATE TABLE "Definition" ("Def_version" TEXT, "Def_type" TEXT);
INSERT INTO "Definition" VALUES ('v', 'seven'), (NULL, 2);
CREATE TABLE "SteelGradeList" ("Name" TEXT, "Standard" TEXT, "RadiusDisplay" TEXT);
INSERT INTO "SteelGradeList" VALUES ('Ghost', 'ACI', NULL), ('Öse "1"', 'DM96', 'Fixed Diameter'),
  (42, 42, 42);
CREATE TABLE "Units" ("Family" TEXT, "Diameter_Real" TEXT, "Weight" TEXT);
INSERT INTO "Units" VALUES ('Öse "1"', 'furlong', 'kg/m/m'), (NULL, 'mm', '');
CREATE TABLE "Öse ""1""" ("rowid" INTEGER PRIMARY KEY, "Name" TEXT, "Diameter_Nominal");
INSERT INTO "Öse ""1""" VALUES (7, 'x', 'twelve'), (3, NULL, 9223372036854775807),
  (5, 'Ж', -0.0);
CREATE TABLE "Hooks DM96" ("Angle", "Multiplicators", "Diameter", "UnfoldHookLength",
  "SteelGrade", "Minimal standard length", "Minimal seismic length", "Minimal tie length");
INSERT INTO "Hooks DM96" VALUES (90, 1e308, 1e-320, 'x', 'Öse "1"', -5, NULL, 1e308);
CREATE TABLE "42" ("Name");
