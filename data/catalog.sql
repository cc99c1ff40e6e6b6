-- Bundled default bar catalogue: steel grades, their bars and the units each
-- family stores its values in. hooks.sql adds the hook tables. sql2db builds
-- both scripts into RebarCatalog.mdb at build time.
--
-- Storage rules the catalogue reader relies on:
--   * every table and column name is double-quoted (names hold blanks and "/");
--   * text cells are TEXT, numeric cells REAL, "Def_type" INTEGER;
--   * columns keep their declared order and rows are read in rowid order, so
--     bars are inserted by ascending diameter;
--   * -1.0 in a numeric bar column means "not given by any source we hold",
--     except in the stock-length columns, where a length of -1 would be read
--     as such: a stock length that no source gives is an empty cell (NULL);
--   * masses are the published values, never recomputed from the area: the
--     tables round the area first, so the last digit of a published mass can
--     differ from area x 0.00785 [S7].
-- Source keys in brackets ([S10] ...) are those of our published-data notes.
-- Perimeters are pi x d rounded to 0.1 mm unless a source prints them (ASTM).

CREATE TABLE "Definition" (
    "Def_version" TEXT,
    "Def_name" TEXT,
    "Def_editorname" TEXT,
    "Def_type" INTEGER,
    "Def_comment" TEXT,
    "Def_lastupdate" TEXT
);
INSERT INTO "Definition" VALUES (
    '{26C4D7A0-ED20-43CB-9247-705A360615EB}',
    'Arrangements',
    'Rebar catalogue team',
    1,
    'Bundled default bar catalogue: French HA bars (EN 10080 masses, EN 1992-1-1 mandrels), DIN 488 BSt 500 S (DIN EN 1992-1-1/NA mandrels), BS 4449 B500B and grade 250 (BS 8666:2005 Table 2), ASTM A615 Grade 60 (ACI 318-19 bends) and CSA G30.18 400W; EN 10080 B500B bars (EN 1992-1-1 mandrels) for the other European standards, D500N (plausible) for AS 3600 and the ASTM inch-pound bars for CSA A23 imperial. Hook tables: published values for ACI (ACI 318-19, ACI 315) and BS 8666 2005 (Table 2); the 90 degree extensions of NF P 02-016 and SS-ENV 10 080 published (ENV 1992-1-1), their other rows plausible; every other hook table holds plausible values carried over from the nearest published rule. -1 = not given; an empty stock length = not given.',
    '2026/12/05'
);

CREATE TABLE "SteelGradeList" (
    "Name" TEXT,
    "Standard" TEXT,
    "RadiusDisplay" TEXT,
    "Adherence" TEXT,
    "SteelLimit" REAL
);
-- Listed in the order of the hook tables of their standards. Adherence: HA =
-- high bond (ribbed/deformed), RL = plain round. SteelLimit: characteristic
-- yield strength in MPa (Grade 60 = 60 ksi = 420 MPa).
INSERT INTO "SteelGradeList" VALUES
    ('FE500 HA', 'NF P 02-016', 'Diameter', 'HA', 500.0),
    ('400W', 'CSA A23 M', 'Diameter', 'HA', 400.0),
    ('BSt 500 S', 'DIN 1045-1', 'Diameter', 'HA', 500.0),
    ('Grade 60', 'ACI', 'Diameter', 'HA', 420.0),
    ('B500B', 'BS 8666 2005', 'Diameter', 'HA', 500.0),
    ('Grade 250', 'BS 4466 1989', 'Fixed Diameter', 'RL', 250.0),
    ('B500B ISO 4066', 'ISO 4066', 'Diameter', 'HA', 500.0),
    ('B500B CSN 731201', 'CSN 731201', 'Diameter', 'HA', 500.0),
    ('B500B NBN A 24-302', 'NBN A 24-302', 'Diameter', 'HA', 500.0),
    ('B500B SIA 162', 'SIA 162', 'Diameter', 'HA', 500.0),
    ('B500B PN-B-03264', 'PN-B-03264', 'Diameter', 'HA', 500.0),
    ('B500B DM96', 'DM96', 'Diameter', 'HA', 500.0),
    ('B500B NEN 6008', 'NEN 6008', 'Diameter', 'HA', 500.0),
    ('B500B SS-ENV 10 080', 'SS-ENV 10 080', 'Diameter', 'HA', 500.0),
    ('B500B BBK 79', 'BBK 79', 'Diameter', 'HA', 500.0),
    ('B500B STAS 438/1,3-89', 'STAS 438/1,3-89', 'Diameter', 'HA', 500.0),
    ('B500B ÖNORM B 4200/7', 'ÖNORM B 4200/7', 'Diameter', 'HA', 500.0),
    ('B500B BS 8666 2000', 'BS 8666 2000', 'Diameter', 'HA', 500.0),
    ('D500N', 'AS3600', 'Diameter', 'HA', 500.0),
    ('Grade 60 CSA', 'CSA A23 I', 'Diameter', 'HA', 420.0);

-- French HA high-bond bars, the commonly stocked series 6-40 mm [S48].
-- Areas and masses: EN 10080 / NF A 35-080 style tables [S12 S13 S14]; 14 mm
-- prints 1.21 [S13 S15]. Mandrels (stirrup, anchorage, bend): EN 1992-1-1
-- Table 8.1N, 4 phi up to 16 mm, 7 phi above [S16 S17 S18]. Stock lengths
-- 12 m mill, 15 m longest stocked [S34 S36 S37]. Anchorage lengths depend on
-- concrete and bond conditions: not given.
CREATE TABLE "FE500 HA" (
    "Name" TEXT,
    "Diameter_Nominal" REAL,
    "Diameter_Real" REAL,
    "Stirrup/Hook" REAL,
    "Anchor" REAL,
    "Bend" REAL,
    "LengthAnchor" REAL,
    "Weight" REAL,
    "Section" REAL,
    "Perimeter" REAL,
    "MinimalEndLeg" REAL,
    "MinimalInterLeg" REAL,
    "MinimalStraightBar" REAL,
    "MillStockLength" REAL,
    "MaxStockLength" REAL,
    "LegLength" REAL
);
INSERT INTO "FE500 HA" VALUES
    ('6', 6.0, 6.0, 24.0, 24.0, 24.0, -1.0, 0.222, 28.3, 18.8, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('8', 8.0, 8.0, 32.0, 32.0, 32.0, -1.0, 0.395, 50.3, 25.1, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('10', 10.0, 10.0, 40.0, 40.0, 40.0, -1.0, 0.617, 78.5, 31.4, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('12', 12.0, 12.0, 48.0, 48.0, 48.0, -1.0, 0.888, 113.1, 37.7, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('14', 14.0, 14.0, 56.0, 56.0, 56.0, -1.0, 1.21, 153.9, 44.0, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('16', 16.0, 16.0, 64.0, 64.0, 64.0, -1.0, 1.578, 201.1, 50.3, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('20', 20.0, 20.0, 140.0, 140.0, 140.0, -1.0, 2.466, 314.2, 62.8, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('25', 25.0, 25.0, 175.0, 175.0, 175.0, -1.0, 3.854, 490.9, 78.5, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('32', 32.0, 32.0, 224.0, 224.0, 224.0, -1.0, 6.313, 804.2, 100.5, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('40', 40.0, 40.0, 280.0, 280.0, 280.0, -1.0, 9.864, 1256.6, 125.7, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0);

-- CSA G30.18 grade 400W weldable bars 10M-55M [S7 S8 S9 S46]; names are the
-- bare designations ("15" for 15M). 45M mass 11.775 [S45]. 55M: 56.4 mm and
-- 2500 mm2 per [S8] ([S7]'s 49.5 mm / 2000 mm2 row is an error); its mass
-- 19.625 is 2500 x 0.00785, the rule every other row of the table follows
-- exactly (no printed 55M mass found). CSA A23.1 bend diameters were not
-- found: not given. Canadian stock lengths were not found: empty cells.
CREATE TABLE "400W" (
    "Name" TEXT,
    "Diameter_Nominal" REAL,
    "Diameter_Real" REAL,
    "Stirrup/Hook" REAL,
    "Anchor" REAL,
    "Bend" REAL,
    "LengthAnchor" REAL,
    "Weight" REAL,
    "Section" REAL,
    "Perimeter" REAL,
    "MinimalEndLeg" REAL,
    "MinimalInterLeg" REAL,
    "MinimalStraightBar" REAL,
    "MillStockLength" REAL,
    "MaxStockLength" REAL,
    "LegLength" REAL
);
INSERT INTO "400W" VALUES
    ('10', 11.3, 11.3, -1.0, -1.0, -1.0, -1.0, 0.785, 100.0, 35.5, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('15', 16.0, 16.0, -1.0, -1.0, -1.0, -1.0, 1.57, 200.0, 50.3, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('20', 19.5, 19.5, -1.0, -1.0, -1.0, -1.0, 2.355, 300.0, 61.3, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('25', 25.2, 25.2, -1.0, -1.0, -1.0, -1.0, 3.925, 500.0, 79.2, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('30', 29.9, 29.9, -1.0, -1.0, -1.0, -1.0, 5.495, 700.0, 93.9, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('35', 35.7, 35.7, -1.0, -1.0, -1.0, -1.0, 7.85, 1000.0, 112.2, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('45', 43.7, 43.7, -1.0, -1.0, -1.0, -1.0, 11.775, 1500.0, 137.3, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('55', 56.4, 56.4, -1.0, -1.0, -1.0, -1.0, 19.625, 2500.0, 177.2, -1.0, -1.0, -1.0, NULL, NULL, -1.0);

-- DIN 488 BSt 500 S (B500B) bars for DIN 1045-1, 8-40 mm [S49]; areas and
-- masses as the EN 10080 style tables [S13 S14]. Stirrup and anchorage
-- mandrels: DIN EN 1992-1-1/NA Table 8.1DE, 4 d below 20 mm, 7 d from 20 mm
-- [S21 S53]. Bend (bent-up bars): 20 d, the Table 8.1DE value for concrete
-- cover at right angles to the bend plane of 50 mm or less (or 3 d or less),
-- which is also safe for larger covers (10 d / 15 d there) [S21].
-- Stock lengths 12 m mill, 15 m longest [S36 S37].
CREATE TABLE "BSt 500 S" (
    "Name" TEXT,
    "Diameter_Nominal" REAL,
    "Diameter_Real" REAL,
    "Stirrup/Hook" REAL,
    "Anchor" REAL,
    "Bend" REAL,
    "LengthAnchor" REAL,
    "Weight" REAL,
    "Section" REAL,
    "Perimeter" REAL,
    "MinimalEndLeg" REAL,
    "MinimalInterLeg" REAL,
    "MinimalStraightBar" REAL,
    "MillStockLength" REAL,
    "MaxStockLength" REAL,
    "LegLength" REAL
);
INSERT INTO "BSt 500 S" VALUES
    ('8', 8.0, 8.0, 32.0, 32.0, 160.0, -1.0, 0.395, 50.3, 25.1, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('10', 10.0, 10.0, 40.0, 40.0, 200.0, -1.0, 0.617, 78.5, 31.4, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('12', 12.0, 12.0, 48.0, 48.0, 240.0, -1.0, 0.888, 113.1, 37.7, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('14', 14.0, 14.0, 56.0, 56.0, 280.0, -1.0, 1.21, 153.9, 44.0, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('16', 16.0, 16.0, 64.0, 64.0, 320.0, -1.0, 1.578, 201.1, 50.3, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('20', 20.0, 20.0, 140.0, 140.0, 400.0, -1.0, 2.466, 314.2, 62.8, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('25', 25.0, 25.0, 175.0, 175.0, 500.0, -1.0, 3.854, 490.9, 78.5, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('28', 28.0, 28.0, 196.0, 196.0, 560.0, -1.0, 4.83, 615.8, 88.0, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('32', 32.0, 32.0, 224.0, 224.0, 640.0, -1.0, 6.313, 804.2, 100.5, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('40', 40.0, 40.0, 280.0, 280.0, 800.0, -1.0, 9.864, 1256.6, 125.7, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0);

-- ASTM A615 Grade 60 inch-pound bars #3-#18, stored in in, in2, lb/ft and
-- ft; names are the bare bar numbers ("5" for #5). Diameter, area, mass and
-- perimeter as published [S1 S2 S3 S4]. Stirrup/Hook: ACI 318-19 Table
-- 25.3.2, 4 db for #3-#5, 6 db for #6-#8 (not given above #8) [S28 S29 S30].
-- Anchor and Bend: standard-hook bends of Table 25.3.1, 6 db #3-#8, 8 db
-- #9-#11, 10 db #14 and #18 [S28 S29 S57]. LegLength: the 12 db straight
-- extension of the 90 degree standard hook [S28 S29]. Stock lengths 40 ft
-- mill, 60 ft longest [S38 S39].
CREATE TABLE "Grade 60" (
    "Name" TEXT,
    "Diameter_Nominal" REAL,
    "Diameter_Real" REAL,
    "Stirrup/Hook" REAL,
    "Anchor" REAL,
    "Bend" REAL,
    "LengthAnchor" REAL,
    "Weight" REAL,
    "Section" REAL,
    "Perimeter" REAL,
    "MinimalEndLeg" REAL,
    "MinimalInterLeg" REAL,
    "MinimalStraightBar" REAL,
    "MillStockLength" REAL,
    "MaxStockLength" REAL,
    "LegLength" REAL
);
INSERT INTO "Grade 60" VALUES
    ('3', 0.375, 0.375, 1.5, 2.25, 2.25, -1.0, 0.376, 0.11, 1.178, -1.0, -1.0, -1.0, 40.0, 60.0, 4.5),
    ('4', 0.5, 0.5, 2.0, 3.0, 3.0, -1.0, 0.668, 0.2, 1.571, -1.0, -1.0, -1.0, 40.0, 60.0, 6.0),
    ('5', 0.625, 0.625, 2.5, 3.75, 3.75, -1.0, 1.043, 0.31, 1.963, -1.0, -1.0, -1.0, 40.0, 60.0, 7.5),
    ('6', 0.75, 0.75, 4.5, 4.5, 4.5, -1.0, 1.502, 0.44, 2.356, -1.0, -1.0, -1.0, 40.0, 60.0, 9.0),
    ('7', 0.875, 0.875, 5.25, 5.25, 5.25, -1.0, 2.044, 0.6, 2.749, -1.0, -1.0, -1.0, 40.0, 60.0, 10.5),
    ('8', 1.0, 1.0, 6.0, 6.0, 6.0, -1.0, 2.67, 0.79, 3.142, -1.0, -1.0, -1.0, 40.0, 60.0, 12.0),
    ('9', 1.128, 1.128, -1.0, 9.024, 9.024, -1.0, 3.4, 1.0, 3.544, -1.0, -1.0, -1.0, 40.0, 60.0, 13.536),
    ('10', 1.27, 1.27, -1.0, 10.16, 10.16, -1.0, 4.303, 1.27, 3.99, -1.0, -1.0, -1.0, 40.0, 60.0, 15.24),
    ('11', 1.41, 1.41, -1.0, 11.28, 11.28, -1.0, 5.313, 1.56, 4.43, -1.0, -1.0, -1.0, 40.0, 60.0, 16.92),
    ('14', 1.693, 1.693, -1.0, 16.93, 16.93, -1.0, 7.65, 2.25, 5.32, -1.0, -1.0, -1.0, 40.0, 60.0, 20.316),
    ('18', 2.257, 2.257, -1.0, 22.57, 22.57, -1.0, 13.6, 4.0, 7.09, -1.0, -1.0, -1.0, 40.0, 60.0, 27.084);

-- BS 4449:2005 grade B500B bars for BS 8666:2005 schedules, 8-50 mm; masses
-- as BS 4449 prints them [S10 S11] (32 mm: 6.313 [S11 S12 S14]; one copy of
-- [S10] misprints 3.854). Mandrels: former diameter M of BS 8666 Table 2
-- [S22 S23 S11]. MinimalEndLeg: minimum end projection P, general column
-- [S22 S23]. MinimalInterLeg: 4 d straight between bends [S24 S25]. Stock
-- lengths 12 m normal supply, 15 m longest ex stock [S34 S35 S36].
CREATE TABLE "B500B" (
    "Name" TEXT,
    "Diameter_Nominal" REAL,
    "Diameter_Real" REAL,
    "Stirrup/Hook" REAL,
    "Anchor" REAL,
    "Bend" REAL,
    "LengthAnchor" REAL,
    "Weight" REAL,
    "Section" REAL,
    "Perimeter" REAL,
    "MinimalEndLeg" REAL,
    "MinimalInterLeg" REAL,
    "MinimalStraightBar" REAL,
    "MillStockLength" REAL,
    "MaxStockLength" REAL,
    "LegLength" REAL
);
INSERT INTO "B500B" VALUES
    ('8', 8.0, 8.0, 32.0, 32.0, 32.0, -1.0, 0.395, 50.3, 25.1, 115.0, 32.0, -1.0, 12.0, 15.0, -1.0),
    ('10', 10.0, 10.0, 40.0, 40.0, 40.0, -1.0, 0.616, 78.5, 31.4, 120.0, 40.0, -1.0, 12.0, 15.0, -1.0),
    ('12', 12.0, 12.0, 48.0, 48.0, 48.0, -1.0, 0.888, 113.1, 37.7, 125.0, 48.0, -1.0, 12.0, 15.0, -1.0),
    ('16', 16.0, 16.0, 64.0, 64.0, 64.0, -1.0, 1.579, 201.1, 50.3, 130.0, 64.0, -1.0, 12.0, 15.0, -1.0),
    ('20', 20.0, 20.0, 140.0, 140.0, 140.0, -1.0, 2.466, 314.2, 62.8, 190.0, 80.0, -1.0, 12.0, 15.0, -1.0),
    ('25', 25.0, 25.0, 175.0, 175.0, 175.0, -1.0, 3.854, 490.9, 78.5, 240.0, 100.0, -1.0, 12.0, 15.0, -1.0),
    ('32', 32.0, 32.0, 224.0, 224.0, 224.0, -1.0, 6.313, 804.2, 100.5, 305.0, 128.0, -1.0, 12.0, 15.0, -1.0),
    ('40', 40.0, 40.0, 280.0, 280.0, 280.0, -1.0, 9.864, 1256.6, 125.7, 380.0, 160.0, -1.0, 12.0, 15.0, -1.0),
    ('50', 50.0, 50.0, 350.0, 350.0, 350.0, -1.0, 15.413, 1963.5, 157.1, 475.0, 200.0, -1.0, 12.0, 15.0, -1.0);

-- BS 4449 grade 250 plain round bars [S49] for BS 4466:1989 schedules (the
-- grade 250 link rules of BS 4466 [S26]); masses as BS 4449 prints them
-- [S10]. Plain bars keep their fixed diameters, so the family is listed as
-- "Fixed Diameter". Only the link sizes 6-16 mm are listed. BS 4466 Table 3
-- radii were not found: mandrels not given. Stock lengths as UK supply
-- [S34 S36].
CREATE TABLE "Grade 250" (
    "Name" TEXT,
    "Diameter_Nominal" REAL,
    "Diameter_Real" REAL,
    "Stirrup/Hook" REAL,
    "Anchor" REAL,
    "Bend" REAL,
    "LengthAnchor" REAL,
    "Weight" REAL,
    "Section" REAL,
    "Perimeter" REAL,
    "MinimalEndLeg" REAL,
    "MinimalInterLeg" REAL,
    "MinimalStraightBar" REAL,
    "MillStockLength" REAL,
    "MaxStockLength" REAL,
    "LegLength" REAL
);
INSERT INTO "Grade 250" VALUES
    ('6', 6.0, 6.0, -1.0, -1.0, -1.0, -1.0, 0.222, 28.3, 18.8, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('8', 8.0, 8.0, -1.0, -1.0, -1.0, -1.0, 0.395, 50.3, 25.1, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('10', 10.0, 10.0, -1.0, -1.0, -1.0, -1.0, 0.616, 78.5, 31.4, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('12', 12.0, 12.0, -1.0, -1.0, -1.0, -1.0, 0.888, 113.1, 37.7, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('16', 16.0, 16.0, -1.0, -1.0, -1.0, -1.0, 1.579, 201.1, 50.3, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0);

-- EN 10080 B500B bars, 8-40 mm, for the European national standards whose
-- users buy them (one family per standard, so that each hook table is
-- reached). Areas and masses: the EN 10080 style tables [S12 S13 S14]; 14 mm
-- prints 1.21 [S13 S15]. Mandrels: EN 1992-1-1 Table 8.1N, 4 phi up to
-- 16 mm, 7 phi above [S16 S17 S18]. Stock lengths 12 m mill, 15 m longest
-- stocked [S34 S36 S37]. Anchorage lengths not given. The other standards'
-- families below are copies of this one, column for column and row for row.
CREATE TABLE "B500B ISO 4066" (
    "Name" TEXT,
    "Diameter_Nominal" REAL,
    "Diameter_Real" REAL,
    "Stirrup/Hook" REAL,
    "Anchor" REAL,
    "Bend" REAL,
    "LengthAnchor" REAL,
    "Weight" REAL,
    "Section" REAL,
    "Perimeter" REAL,
    "MinimalEndLeg" REAL,
    "MinimalInterLeg" REAL,
    "MinimalStraightBar" REAL,
    "MillStockLength" REAL,
    "MaxStockLength" REAL,
    "LegLength" REAL
);
INSERT INTO "B500B ISO 4066" VALUES
    ('8', 8.0, 8.0, 32.0, 32.0, 32.0, -1.0, 0.395, 50.3, 25.1, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('10', 10.0, 10.0, 40.0, 40.0, 40.0, -1.0, 0.617, 78.5, 31.4, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('12', 12.0, 12.0, 48.0, 48.0, 48.0, -1.0, 0.888, 113.1, 37.7, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('14', 14.0, 14.0, 56.0, 56.0, 56.0, -1.0, 1.21, 153.9, 44.0, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('16', 16.0, 16.0, 64.0, 64.0, 64.0, -1.0, 1.578, 201.1, 50.3, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('20', 20.0, 20.0, 140.0, 140.0, 140.0, -1.0, 2.466, 314.2, 62.8, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('25', 25.0, 25.0, 175.0, 175.0, 175.0, -1.0, 3.854, 490.9, 78.5, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('28', 28.0, 28.0, 196.0, 196.0, 196.0, -1.0, 4.83, 615.8, 88.0, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('32', 32.0, 32.0, 224.0, 224.0, 224.0, -1.0, 6.313, 804.2, 100.5, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0),
    ('40', 40.0, 40.0, 280.0, 280.0, 280.0, -1.0, 9.864, 1256.6, 125.7, -1.0, -1.0, -1.0, 12.0, 15.0, -1.0);

CREATE TABLE "B500B CSN 731201" AS SELECT * FROM "B500B ISO 4066" ORDER BY rowid;
CREATE TABLE "B500B NBN A 24-302" AS SELECT * FROM "B500B ISO 4066" ORDER BY rowid;
CREATE TABLE "B500B SIA 162" AS SELECT * FROM "B500B ISO 4066" ORDER BY rowid;
CREATE TABLE "B500B PN-B-03264" AS SELECT * FROM "B500B ISO 4066" ORDER BY rowid;
CREATE TABLE "B500B DM96" AS SELECT * FROM "B500B ISO 4066" ORDER BY rowid;
CREATE TABLE "B500B NEN 6008" AS SELECT * FROM "B500B ISO 4066" ORDER BY rowid;
CREATE TABLE "B500B SS-ENV 10 080" AS SELECT * FROM "B500B ISO 4066" ORDER BY rowid;
CREATE TABLE "B500B BBK 79" AS SELECT * FROM "B500B ISO 4066" ORDER BY rowid;
CREATE TABLE "B500B STAS 438/1,3-89" AS SELECT * FROM "B500B ISO 4066" ORDER BY rowid;
CREATE TABLE "B500B ÖNORM B 4200/7" AS SELECT * FROM "B500B ISO 4066" ORDER BY rowid;
CREATE TABLE "B500B BS 8666 2000" AS SELECT * FROM "B500B ISO 4066" ORDER BY rowid;

-- AS 3600 users buy grade D500N deformed bars; no AS/NZS 4671 table is held,
-- so the diameters, areas and masses of the EN 10080 style tables are
-- carried over [S12 S13 S14] (plausible values). Mandrels and stock lengths
-- were not found: not given, stock lengths as empty cells.
CREATE TABLE "D500N" (
    "Name" TEXT,
    "Diameter_Nominal" REAL,
    "Diameter_Real" REAL,
    "Stirrup/Hook" REAL,
    "Anchor" REAL,
    "Bend" REAL,
    "LengthAnchor" REAL,
    "Weight" REAL,
    "Section" REAL,
    "Perimeter" REAL,
    "MinimalEndLeg" REAL,
    "MinimalInterLeg" REAL,
    "MinimalStraightBar" REAL,
    "MillStockLength" REAL,
    "MaxStockLength" REAL,
    "LegLength" REAL
);
INSERT INTO "D500N" VALUES
    ('10', 10.0, 10.0, -1.0, -1.0, -1.0, -1.0, 0.617, 78.5, 31.4, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('12', 12.0, 12.0, -1.0, -1.0, -1.0, -1.0, 0.888, 113.1, 37.7, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('16', 16.0, 16.0, -1.0, -1.0, -1.0, -1.0, 1.578, 201.1, 50.3, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('20', 20.0, 20.0, -1.0, -1.0, -1.0, -1.0, 2.466, 314.2, 62.8, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('28', 28.0, 28.0, -1.0, -1.0, -1.0, -1.0, 4.83, 615.8, 88.0, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('32', 32.0, 32.0, -1.0, -1.0, -1.0, -1.0, 6.313, 804.2, 100.5, -1.0, -1.0, -1.0, NULL, NULL, -1.0),
    ('40', 40.0, 40.0, -1.0, -1.0, -1.0, -1.0, 9.864, 1256.6, 125.7, -1.0, -1.0, -1.0, NULL, NULL, -1.0);

-- CSA A23 (imperial bars): the inch-pound bars #3-#18 of ASTM A615 Grade 60
-- with their published dimensions and masses [S1 S2 S3 S4], the ACI 318-19
-- bends and 90 degree hook extension [S28 S29 S57] and US stock lengths
-- [S38 S39], as for "Grade 60"; CSA A23.1 tables were not found.
CREATE TABLE "Grade 60 CSA" (
    "Name" TEXT,
    "Diameter_Nominal" REAL,
    "Diameter_Real" REAL,
    "Stirrup/Hook" REAL,
    "Anchor" REAL,
    "Bend" REAL,
    "LengthAnchor" REAL,
    "Weight" REAL,
    "Section" REAL,
    "Perimeter" REAL,
    "MinimalEndLeg" REAL,
    "MinimalInterLeg" REAL,
    "MinimalStraightBar" REAL,
    "MillStockLength" REAL,
    "MaxStockLength" REAL,
    "LegLength" REAL
);
INSERT INTO "Grade 60 CSA" VALUES
    ('3', 0.375, 0.375, 1.5, 2.25, 2.25, -1.0, 0.376, 0.11, 1.178, -1.0, -1.0, -1.0, 40.0, 60.0, 4.5),
    ('4', 0.5, 0.5, 2.0, 3.0, 3.0, -1.0, 0.668, 0.2, 1.571, -1.0, -1.0, -1.0, 40.0, 60.0, 6.0),
    ('5', 0.625, 0.625, 2.5, 3.75, 3.75, -1.0, 1.043, 0.31, 1.963, -1.0, -1.0, -1.0, 40.0, 60.0, 7.5),
    ('6', 0.75, 0.75, 4.5, 4.5, 4.5, -1.0, 1.502, 0.44, 2.356, -1.0, -1.0, -1.0, 40.0, 60.0, 9.0),
    ('7', 0.875, 0.875, 5.25, 5.25, 5.25, -1.0, 2.044, 0.6, 2.749, -1.0, -1.0, -1.0, 40.0, 60.0, 10.5),
    ('8', 1.0, 1.0, 6.0, 6.0, 6.0, -1.0, 2.67, 0.79, 3.142, -1.0, -1.0, -1.0, 40.0, 60.0, 12.0),
    ('9', 1.128, 1.128, -1.0, 9.024, 9.024, -1.0, 3.4, 1.0, 3.544, -1.0, -1.0, -1.0, 40.0, 60.0, 13.536),
    ('10', 1.27, 1.27, -1.0, 10.16, 10.16, -1.0, 4.303, 1.27, 3.99, -1.0, -1.0, -1.0, 40.0, 60.0, 15.24),
    ('11', 1.41, 1.41, -1.0, 11.28, 11.28, -1.0, 5.313, 1.56, 4.43, -1.0, -1.0, -1.0, 40.0, 60.0, 16.92),
    ('14', 1.693, 1.693, -1.0, 16.93, 16.93, -1.0, 7.65, 2.25, 5.32, -1.0, -1.0, -1.0, 40.0, 60.0, 20.316),
    ('18', 2.257, 2.257, -1.0, 22.57, 22.57, -1.0, 13.6, 4.0, 7.09, -1.0, -1.0, -1.0, 40.0, 60.0, 27.084);

-- The unit each family stores each parameter in, one row per family. Metric
-- families: lengths in mm, stock lengths in m, kg/m, mm2. The ASTM family:
-- lengths in in, stock lengths in ft, lb/ft, in2. The hook-table parameters
-- (UnfoldHookLength ... MinimalTieLength) give the units of hooks.sql.
CREATE TABLE "Units" (
    "Family" TEXT,
    "Diameter_Real" TEXT,
    "Stirrup/Hook" TEXT,
    "Anchor" TEXT,
    "Bend" TEXT,
    "LengthAnchor" TEXT,
    "Weight" TEXT,
    "Section" TEXT,
    "Perimeter" TEXT,
    "MinimalEndLeg" TEXT,
    "MinimalInterLeg" TEXT,
    "MinimalStraightBar" TEXT,
    "MillStockLength" TEXT,
    "MaxStockLength" TEXT,
    "UnfoldHookLength" TEXT,
    "LegLength" TEXT,
    "MinimalStdLength" TEXT,
    "MinimalSeismicLength" TEXT,
    "MinimalTieLength" TEXT
);
INSERT INTO "Units" VALUES
    ('FE500 HA', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('400W', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('BSt 500 S', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('Grade 60', 'in', 'in', 'in', 'in', 'in', 'lb/ft', 'in2', 'in', 'in', 'in', 'in', 'ft', 'ft', 'in', 'in', 'in', 'in', 'in'),
    ('B500B', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('Grade 250', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('B500B ISO 4066', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('B500B CSN 731201', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('B500B NBN A 24-302', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('B500B SIA 162', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('B500B PN-B-03264', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('B500B DM96', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('B500B NEN 6008', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('B500B SS-ENV 10 080', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('B500B BBK 79', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('B500B STAS 438/1,3-89', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('B500B ÖNORM B 4200/7', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('B500B BS 8666 2000', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('D500N', 'mm', 'mm', 'mm', 'mm', 'mm', 'kg/m', 'mm2', 'mm', 'mm', 'mm', 'mm', 'm', 'm', 'mm', 'mm', 'mm', 'mm', 'mm'),
    ('Grade 60 CSA', 'in', 'in', 'in', 'in', 'in', 'lb/ft', 'in2', 'in', 'in', 'in', 'in', 'ft', 'ft', 'in', 'in', 'in', 'in', 'in');
