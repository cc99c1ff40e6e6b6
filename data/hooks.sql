-- Hook tables of the bundled catalogue, one per design standard, named
-- "Hooks " + the standard as the steel grades carry it in "SteelGradeList".
-- Four shapes, told apart by their column count:
--   2 columns  Angle, Multiplicators: applies to every steel grade of the
--              standard;
--   4 columns  + Diameter, UnfoldHookLength: idem, per bar diameter;
--   8 columns  + SteelGrade and the minimal standard / seismic / tie lengths:
--              each row applies to the steel grade it names;
--   9 columns  + LegLength.
-- Conventions used throughout:
--   * Angle in degrees; Multiplicators = straight extension after the bend
--     (the hook length) as a multiple of the bar diameter;
--   * Diameter in the unit of the steel grade's Diameter_Real, lengths in the
--     units its "Units" row gives for UnfoldHookLength, LegLength and
--     MinimalStd/Seismic/TieLength (mm, or in for the ASTM grade);
--   * UnfoldHookLength = developed length of the hook along the bar axis:
--     arc on the centre line, angle x (mandrel + d) / 2, plus the straight
--     extension; a derived value, rounded up (1 mm, 0.01 in); 0 = none given;
--   * LegLength = straight extension after the bend, absolute minima applied;
--   * minimal lengths = smallest out-to-out hook leg as a bending schedule
--     dimensions it (BS 8666 end projection P, ACI 315 A/G); 0 = no minimum
--     given for that check.
-- Tables marked "plausible, unverified" hold no published values: we found no
-- hook table for that standard and carried over the nearest published rule.

-- ISO 4066 bar scheduling: plausible, unverified (EN 1992-1-1 link rules:
-- 10 d after 90 degrees, 5 d after 135 and 180 degrees).
CREATE TABLE "Hooks ISO 4066" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks ISO 4066" VALUES (90.0, 10.0), (135.0, 5.0), (180.0, 5.0);

-- NF P 02-016 (FE500 HA, in mm), per diameter. Extensions: ENV 1992-1-1
-- link anchorage, 10 d but at least 70 mm after 90 degrees [S20]; 5 d but at
-- least 50 mm after 135 and 180 degrees (EN 1992-1-1 links and hooks):
-- plausible, unverified. UnfoldHookLength derived with the EN 1992-1-1
-- Table 8.1N mandrels, 4 d up to 16 mm, 7 d above [S16 S17 S18].
CREATE TABLE "Hooks NF P 02-016" ("Angle" REAL, "Multiplicators" REAL, "Diameter" REAL, "UnfoldHookLength" REAL);
INSERT INTO "Hooks NF P 02-016" VALUES
    (90.0, 10.0, 6.0, 94.0),
    (90.0, 10.0, 8.0, 112.0),
    (90.0, 10.0, 10.0, 140.0),
    (90.0, 10.0, 12.0, 168.0),
    (90.0, 10.0, 14.0, 195.0),
    (90.0, 10.0, 16.0, 223.0),
    (90.0, 10.0, 20.0, 326.0),
    (90.0, 10.0, 25.0, 408.0),
    (90.0, 10.0, 32.0, 522.0),
    (90.0, 10.0, 40.0, 652.0),
    (135.0, 5.0, 6.0, 86.0),
    (135.0, 5.0, 8.0, 98.0),
    (135.0, 5.0, 10.0, 109.0),
    (135.0, 5.0, 12.0, 131.0),
    (135.0, 5.0, 14.0, 153.0),
    (135.0, 5.0, 16.0, 175.0),
    (135.0, 5.0, 20.0, 289.0),
    (135.0, 5.0, 25.0, 361.0),
    (135.0, 5.0, 32.0, 462.0),
    (135.0, 5.0, 40.0, 577.0),
    (180.0, 5.0, 6.0, 98.0),
    (180.0, 5.0, 8.0, 113.0),
    (180.0, 5.0, 10.0, 129.0),
    (180.0, 5.0, 12.0, 155.0),
    (180.0, 5.0, 14.0, 180.0),
    (180.0, 5.0, 16.0, 206.0),
    (180.0, 5.0, 20.0, 352.0),
    (180.0, 5.0, 25.0, 440.0),
    (180.0, 5.0, 32.0, 563.0),
    (180.0, 5.0, 40.0, 703.0);

-- CSA A23.1 hook tables were not found: plausible, unverified. The ACI 318
-- standard and stirrup hook extensions (12 d, 6 d, 4 d) [S28 S29] carried
-- over; CSA A23.1 follows the same scheme.
CREATE TABLE "Hooks CSA A23 M" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks CSA A23 M" VALUES (90.0, 12.0), (135.0, 6.0), (180.0, 4.0);

-- DIN 1045-1: plausible, unverified (Table 23 not seen); the ENV/EC2 link
-- extensions, 10 d after 90 degrees [S20], 5 d after 135 and 180 degrees.
CREATE TABLE "Hooks DIN 1045-1" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks DIN 1045-1" VALUES (90.0, 10.0), (135.0, 5.0), (180.0, 5.0);

-- CSN 73 1201: plausible, unverified (EN 1992-1-1 link rules).
CREATE TABLE "Hooks CSN 731201" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks CSN 731201" VALUES (90.0, 10.0), (135.0, 5.0), (180.0, 5.0);

-- NBN A 24-302: plausible, unverified (EN 1992-1-1 link rules).
CREATE TABLE "Hooks NBN A 24-302" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks NBN A 24-302" VALUES (90.0, 10.0), (135.0, 5.0), (180.0, 5.0);

-- ACI (Grade 60, in inches). Multiplicators and LegLength: ACI 318-19 Table
-- 25.3.1 standard hooks, 12 db after 90 degrees, 4 db but at least 2.5 in after
-- 180 degrees; Table 25.3.2 stirrup and tie hooks, 6 db after 135 degrees
-- (#3-#8) [S28 S29 S57]. UnfoldHookLength derived with the bend diameters of
-- those tables (6/8/10 db standard hooks, 4 db #3-#5 and 6 db #6-#8 stirrups).
-- Minimal standard length: 90-degree standard hook out to out, 12 db + D/2 +
-- db (derived). Minimal tie and seismic lengths: ACI 315-99 Table 1 stirrup
-- and seismic hook dimensions A/G as published [S31], #3-#8 only; no 180
-- degree stirrup hook is published [S28].
CREATE TABLE "Hooks ACI" ("Angle" REAL, "Multiplicators" REAL, "Diameter" REAL, "UnfoldHookLength" REAL, "SteelGrade" TEXT, "Minimal standard length" REAL, "Minimal seismic length" REAL, "Minimal tie length" REAL, "LegLength" REAL);
INSERT INTO "Hooks ACI" VALUES
    (90.0, 12.0, 0.375, 6.57, 'Grade 60', 6.0, 0.0, 4.0, 4.5), -- #3
    (90.0, 12.0, 0.5, 8.75, 'Grade 60', 8.0, 0.0, 4.5, 6.0), -- #4
    (90.0, 12.0, 0.625, 10.94, 'Grade 60', 10.0, 0.0, 6.0, 7.5), -- #5
    (90.0, 12.0, 0.75, 13.13, 'Grade 60', 12.0, 0.0, 12.0, 9.0), -- #6
    (90.0, 12.0, 0.875, 15.32, 'Grade 60', 14.0, 0.0, 14.0, 10.5), -- #7
    (90.0, 12.0, 1.0, 17.5, 'Grade 60', 16.0, 0.0, 16.0, 12.0), -- #8
    (90.0, 12.0, 1.128, 21.51, 'Grade 60', 19.176, 0.0, 0.0, 13.536), -- #9
    (90.0, 12.0, 1.27, 24.22, 'Grade 60', 21.59, 0.0, 0.0, 15.24), -- #10
    (90.0, 12.0, 1.41, 26.89, 'Grade 60', 23.97, 0.0, 0.0, 16.92), -- #11
    (90.0, 12.0, 1.693, 34.95, 'Grade 60', 30.474, 0.0, 0.0, 20.316), -- #14
    (90.0, 12.0, 2.257, 46.59, 'Grade 60', 40.626, 0.0, 0.0, 27.084), -- #18
    (135.0, 6.0, 0.375, 4.46, 'Grade 60', 0.0, 4.25, 4.0, 2.25), -- #3
    (135.0, 6.0, 0.5, 5.95, 'Grade 60', 0.0, 4.5, 4.5, 3.0), -- #4
    (135.0, 6.0, 0.625, 7.44, 'Grade 60', 0.0, 5.5, 5.5, 3.75), -- #5
    (135.0, 6.0, 0.75, 10.69, 'Grade 60', 0.0, 8.0, 8.0, 4.5), -- #6
    (135.0, 6.0, 0.875, 12.47, 'Grade 60', 0.0, 9.0, 9.0, 5.25), -- #7
    (135.0, 6.0, 1.0, 14.25, 'Grade 60', 0.0, 10.5, 10.5, 6.0), -- #8
    (180.0, 4.0, 0.375, 6.63, 'Grade 60', 0.0, 0.0, 0.0, 2.5), -- #3
    (180.0, 4.0, 0.5, 8.0, 'Grade 60', 0.0, 0.0, 0.0, 2.5), -- #4
    (180.0, 4.0, 0.625, 9.38, 'Grade 60', 0.0, 0.0, 0.0, 2.5), -- #5
    (180.0, 4.0, 0.75, 11.25, 'Grade 60', 0.0, 0.0, 0.0, 3.0), -- #6
    (180.0, 4.0, 0.875, 13.13, 'Grade 60', 0.0, 0.0, 0.0, 3.5), -- #7
    (180.0, 4.0, 1.0, 15.0, 'Grade 60', 0.0, 0.0, 0.0, 4.0), -- #8
    (180.0, 4.0, 1.128, 20.46, 'Grade 60', 0.0, 0.0, 0.0, 4.512), -- #9
    (180.0, 4.0, 1.27, 23.04, 'Grade 60', 0.0, 0.0, 0.0, 5.08), -- #10
    (180.0, 4.0, 1.41, 25.58, 'Grade 60', 0.0, 0.0, 0.0, 5.64), -- #11
    (180.0, 4.0, 1.693, 36.03, 'Grade 60', 0.0, 0.0, 0.0, 6.772), -- #14
    (180.0, 4.0, 2.257, 48.03, 'Grade 60', 0.0, 0.0, 0.0, 9.028); -- #18

-- SIA 162: plausible, unverified (EN 1992-1-1 link rules).
CREATE TABLE "Hooks SIA 162" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks SIA 162" VALUES (90.0, 10.0), (135.0, 5.0), (180.0, 5.0);

-- AS 3600: plausible, unverified; standard hook of 135 or 180 degrees with a
-- 4 d extension (the 70 mm floor cannot be held by a multiplicator).
CREATE TABLE "Hooks AS3600" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks AS3600" VALUES (135.0, 4.0), (180.0, 4.0);

-- CSA A23 (imperial bars): plausible, unverified; ACI 318 extensions
-- [S28 S29] carried over as for CSA A23 M.
CREATE TABLE "Hooks CSA A23 I" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks CSA A23 I" VALUES (90.0, 12.0), (135.0, 6.0), (180.0, 4.0);

-- PN-B-03264: plausible, unverified (EN 1992-1-1 link rules).
CREATE TABLE "Hooks PN-B-03264" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks PN-B-03264" VALUES (90.0, 10.0), (135.0, 5.0), (180.0, 5.0);

-- DM 96 (Italy): plausible, unverified (EN 1992-1-1 link rules).
CREATE TABLE "Hooks DM96" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks DM96" VALUES (90.0, 10.0), (135.0, 5.0), (180.0, 5.0);

-- NEN 6008: plausible, unverified (EN 1992-1-1 link rules).
CREATE TABLE "Hooks NEN 6008" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks NEN 6008" VALUES (90.0, 10.0), (135.0, 5.0), (180.0, 5.0);

-- SS-ENV 10080 (ENV-era Eurocode practice): ENV 1992-1-1 5.2.5 link
-- anchorage, 10 d after a 90 degree arc [S20]; 5 d after 135 and 180 degrees
-- is plausible, unverified (the copy of [S20] is garbled there).
CREATE TABLE "Hooks SS-ENV 10 080" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks SS-ENV 10 080" VALUES (90.0, 10.0), (135.0, 5.0), (180.0, 5.0);

-- BBK 79: plausible, unverified (EN 1992-1-1 link rules).
CREATE TABLE "Hooks BBK 79" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks BBK 79" VALUES (90.0, 10.0), (135.0, 5.0), (180.0, 5.0);

-- STAS 438/1,3-89: plausible, unverified (EN 1992-1-1 link rules).
CREATE TABLE "Hooks STAS 438/1,3-89" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks STAS 438/1,3-89" VALUES (90.0, 10.0), (135.0, 5.0), (180.0, 5.0);

-- BS 8666:2005 (B500B, in mm). Minimal lengths: minimum end projection P of
-- Table 2 [S22 S23]; the tie check uses the links column (bend of 150 degrees
-- or more) at 180 degrees. Multiplicators: the minimum straight of the column
-- headings, 5 d, and 10 d for link bends of 150 degrees or more. BS 8666 has
-- no seismic rule (0) and prints no unfolded lengths (0).
CREATE TABLE "Hooks BS 8666 2005" ("Angle" REAL, "Multiplicators" REAL, "Diameter" REAL, "UnfoldHookLength" REAL, "SteelGrade" TEXT, "Minimal standard length" REAL, "Minimal seismic length" REAL, "Minimal tie length" REAL);
INSERT INTO "Hooks BS 8666 2005" VALUES
    (90.0, 5.0, 8.0, 0.0, 'B500B', 115.0, 0.0, 115.0),
    (90.0, 5.0, 10.0, 0.0, 'B500B', 120.0, 0.0, 120.0),
    (90.0, 5.0, 12.0, 0.0, 'B500B', 125.0, 0.0, 125.0),
    (90.0, 5.0, 16.0, 0.0, 'B500B', 130.0, 0.0, 130.0),
    (90.0, 5.0, 20.0, 0.0, 'B500B', 190.0, 0.0, 190.0),
    (90.0, 5.0, 25.0, 0.0, 'B500B', 240.0, 0.0, 240.0),
    (90.0, 5.0, 32.0, 0.0, 'B500B', 305.0, 0.0, 305.0),
    (90.0, 5.0, 40.0, 0.0, 'B500B', 380.0, 0.0, 380.0),
    (90.0, 5.0, 50.0, 0.0, 'B500B', 475.0, 0.0, 475.0),
    (135.0, 5.0, 8.0, 0.0, 'B500B', 115.0, 0.0, 115.0),
    (135.0, 5.0, 10.0, 0.0, 'B500B', 120.0, 0.0, 120.0),
    (135.0, 5.0, 12.0, 0.0, 'B500B', 125.0, 0.0, 125.0),
    (135.0, 5.0, 16.0, 0.0, 'B500B', 130.0, 0.0, 130.0),
    (135.0, 5.0, 20.0, 0.0, 'B500B', 190.0, 0.0, 190.0),
    (135.0, 5.0, 25.0, 0.0, 'B500B', 240.0, 0.0, 240.0),
    (135.0, 5.0, 32.0, 0.0, 'B500B', 305.0, 0.0, 305.0),
    (135.0, 5.0, 40.0, 0.0, 'B500B', 380.0, 0.0, 380.0),
    (135.0, 5.0, 50.0, 0.0, 'B500B', 475.0, 0.0, 475.0),
    (180.0, 10.0, 8.0, 0.0, 'B500B', 115.0, 0.0, 115.0),
    (180.0, 10.0, 10.0, 0.0, 'B500B', 120.0, 0.0, 130.0),
    (180.0, 10.0, 12.0, 0.0, 'B500B', 125.0, 0.0, 160.0),
    (180.0, 10.0, 16.0, 0.0, 'B500B', 130.0, 0.0, 210.0),
    (180.0, 10.0, 20.0, 0.0, 'B500B', 190.0, 0.0, 290.0),
    (180.0, 10.0, 25.0, 0.0, 'B500B', 240.0, 0.0, 365.0),
    (180.0, 10.0, 32.0, 0.0, 'B500B', 305.0, 0.0, 465.0),
    (180.0, 10.0, 40.0, 0.0, 'B500B', 380.0, 0.0, 580.0),
    (180.0, 10.0, 50.0, 0.0, 'B500B', 475.0, 0.0, 725.0);

-- ÖNORM B 4200/7: plausible, unverified (EN 1992-1-1 link rules).
CREATE TABLE "Hooks ÖNORM B 4200/7" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks ÖNORM B 4200/7" VALUES (90.0, 10.0), (135.0, 5.0), (180.0, 5.0);

-- BS 8666:2000: plausible, unverified; the extensions of BS 8666:2005
-- Table 2 (5 d, 10 d for links bent 150 degrees or more) [S22] carried over.
CREATE TABLE "Hooks BS 8666 2000" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks BS 8666 2000" VALUES (90.0, 5.0), (135.0, 5.0), (180.0, 10.0);

-- BS 4466:1989: plausible, unverified (its Table 3 was not found); the
-- BS 8666:2005 Table 2 extensions [S22] carried over.
CREATE TABLE "Hooks BS 4466 1989" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks BS 4466 1989" VALUES (90.0, 5.0), (135.0, 5.0), (180.0, 10.0);
