-- A trimmed copy of the bundled catalogue: the definition, two families with a few bars each,
-- their units and two hook tables (one narrow, one wide), so that every query has rows to read.
CREATE TABLE "Definition" ("Def_version" TEXT, "Def_name" TEXT, "Def_editorname" TEXT,
  "Def_type" INTEGER, "Def_comment" TEXT, "Def_lastupdate" TEXT);
INSERT INTO "Definition" VALUES ('{26C4D7A0-ED20-43CB-9247-705A360615EB}', 'Arrangements',
  'Rebar catalogue team', 1, 'trimmed', '2026/12/05');
CREATE TABLE "SteelGradeList" ("Name" TEXT, "Standard" TEXT, "RadiusDisplay" TEXT,
  "Adherence" TEXT, "SteelLimit" REAL);
INSERT INTO "SteelGradeList" VALUES ('FE500 HA', 'NF P 02-016', 'Diameter', 'HA', 500.0),
  ('Grade 60', 'ACI', 'Fixed Diameter', 'HA', 420.0);
CREATE TABLE "Units" ("Family" TEXT, "Diameter_Real" TEXT, "Stirrup/Hook" TEXT, "Weight" TEXT,
  "Section" TEXT, "UnfoldHookLength" TEXT, "LegLength" TEXT, "MillStockLength" TEXT);
INSERT INTO "Units" VALUES ('FE500 HA', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'm'),
  ('Grade 60', 'in', 'in', 'lb/ft', 'in2', 'in', 'in', 'ft');
CREATE TABLE "FE500 HA" ("Name" TEXT, "Diameter_Nominal" REAL, "Diameter_Real" REAL,
  "Stirrup/Hook" REAL, "Anchor" REAL, "Bend" REAL, "LengthAnchor" REAL, "Weight" REAL,
  "Section" REAL, "Perimeter" REAL, "MinimalEndLeg" REAL, "MinimalInterLeg" REAL,
  "MinimalStraightBar" REAL, "MillStockLength" REAL, "MaxStockLength" REAL, "LegLength" REAL);
INSERT INTO "FE500 HA" VALUES
  ('8', 8.0, 8.0, 32.0, 32.0, 32.0, -1.0, 0.395, 50.3, 25.1, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
  ('12', 12.0, 12.0, 48.0, 48.0, 48.0, -1.0, 0.888, 113.1, 37.7, -1.0, -1.0, -1.0, 12.0, NULL, -1.0);
CREATE TABLE "Grade 60" ("Name" TEXT, "Diameter_Nominal" REAL, "Diameter_Real" REAL,
  "Weight" REAL, "Section" REAL, "MillStockLength" REAL, "LegLength" REAL);
INSERT INTO "Grade 60" VALUES ('4', 0.5, 0.5, 0.668, 0.2, 40.0, 6.0),
  ('5', 0.625, 0.625, 1.043, 0.31, 40.0, 7.5);
CREATE TABLE "Hooks NF P 02-016" ("Angle" REAL, "Multiplicators" REAL, "Diameter" REAL,
  "UnfoldHookLength" REAL);
INSERT INTO "Hooks NF P 02-016" VALUES (90.0, 10.0, 8.0, 112.0), (90.0, 10.0, 12.0, 168.0),
  (180.0, 5.0, 8.0, 113.0);
CREATE TABLE "Hooks ACI" ("Angle" REAL, "Multiplicators" REAL, "Diameter" REAL,
  "UnfoldHookLength" REAL, "SteelGrade" TEXT, "Minimal standard length" REAL,
  "Minimal seismic length" REAL, "Minimal tie length" REAL, "LegLength" REAL);
INSERT INTO "Hooks ACI" VALUES (90.0, 12.0, 0.5, 8.75, 'Grade 60', 8.0, 0.0, 4.5, 6.0),
  (135.0, 6.0, 0.625, 7.44, 'Grade 60', 0.0, 5.5, 5.5, 3.75);
