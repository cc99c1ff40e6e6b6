-- Families for the query tests: table order differs from diameter order, a bar without a name,
-- two bars named alike, values not given and an empty stock length.
CREATE TABLE "Definition" ("Def_version" TEXT, "Def_name" TEXT, "Def_editorname" TEXT,
  "Def_type" INTEGER, "Def_comment" TEXT, "Def_lastupdate" TEXT);
INSERT INTO "Definition" VALUES ('{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}', 'Arrangements', 'T', 1, '', '2020/01/01');
CREATE TABLE "SteelGradeList" ("Name" TEXT, "Standard" TEXT, "RadiusDisplay" TEXT,
  "Adherence" TEXT, "SteelLimit" REAL);
INSERT INTO "SteelGradeList" VALUES ('FE500 HA', 'NF P 02-016', 'Diameter', 'HA', 500);
INSERT INTO "SteelGradeList" VALUES ('400W', 'CSA A23 M', 'Diameter', 'HA', 400);
INSERT INTO "SteelGradeList" VALUES ('TS', 'NF P 02-016', 'fixed diameter', 'RL', NULL);
CREATE TABLE "Units" ("Family" TEXT, "Diameter_Real" TEXT, "Stirrup/Hook" TEXT, "Weight" TEXT,
  "Section" TEXT, "Perimeter" TEXT, "MinimalEndLeg" TEXT, "MillStockLength" TEXT, "MaxStockLength" TEXT);
INSERT INTO "Units" VALUES ('FE500 HA', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'm', 'm');
INSERT INTO "Units" VALUES ('FE500 HA', 'in', 'in', 'lb/ft', 'in2', 'in', 'in', 'ft', 'ft');
INSERT INTO "Units" VALUES ('400W', 'mm', 'furlong', 'kg/m', '', 'mm', 'mm', 'm', 'm');
INSERT INTO "Units" VALUES ('fe500 ha', 'm', 'm', 'kg/m', 'm2', 'm', 'm', 'm', 'm');
CREATE TABLE "FE500 HA" ("Name" TEXT, "Diameter_Nominal" REAL, "Diameter_Real" REAL,
  "Stirrup/Hook" REAL, "Anchor" REAL, "Bend" REAL, "LengthAnchor" REAL, "Weight" REAL,
  "Section" REAL, "Perimeter" REAL, "MinimalEndLeg" REAL, "MinimalInterLeg" REAL,
  "MinimalStraightBar" REAL, "MillStockLength" REAL, "MaxStockLength" REAL, "LegLength" REAL);
INSERT INTO "FE500 HA" VALUES ('8', 8, 8, 32, 32, 32, -1, 0.395, 50.3, 25.1, -1, -1, -1, 12, 15, 0);
INSERT INTO "FE500 HA" VALUES ('12', 12, 12, 48, 48, 48, -1, 0.888, 113.1, 37.7, 100, 50, 200, 12, NULL, 0);
INSERT INTO "FE500 HA" VALUES ('10', 10, 10, 40, 40, 40, -1, -1, 78.5, 31.4, 0, 0, 0, 12, 0, 0);
INSERT INTO "FE500 HA" VALUES ('', 6.5, 6.5, 26, 26, 26, -1, 0.26, 33.2, 20.4, 0, 0, 0, 12, 15, 0);
INSERT INTO "FE500 HA" VALUES ('8', 8, 8.1, 32, 32, 32, -1, 0.395, 50.3, 25.1, 0, 0, 0, 12, 15, 0);
CREATE TABLE "400W" ("Name" TEXT, "Diameter_Nominal" REAL, "Diameter_Real" REAL, "Weight" REAL,
  "Section" REAL, "Remark" TEXT);
INSERT INTO "400W" VALUES ('10', 11.3, 11.3, 0.785, 100, 'site stock');
INSERT INTO "400W" VALUES ('15', 16, 16, 1.570, 200, NULL);
CREATE TABLE "TS" ("Name" TEXT, "Diameter_Nominal" REAL);
INSERT INTO "TS" VALUES ('HA12B', 12);
INSERT INTO "TS" VALUES ('HA12', 12);
INSERT INTO "TS" VALUES ('HA0', 0);
