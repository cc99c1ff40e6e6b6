-- Hook tables of the four shapes. The units differ per parameter so that every answer shows
-- which unit it was divided by; S1 to S3 and B500C have no units (plain numbers).
CREATE TABLE "SteelGradeList" ("Name" TEXT, "Standard" TEXT);
INSERT INTO "SteelGradeList" VALUES ('S1', 'ISO 4066'), ('S2', 'iso 4066'), ('S3', 'ISO 4066'),
  ('FE500 HA', 'NF P 02-016'), ('B500B', 'BS 8666 2005'), ('Grade 60', 'ACI'), ('X1', 'Nowhere');
CREATE TABLE "Units" ("Family" TEXT, "Diameter_Real" TEXT, "UnfoldHookLength" TEXT,
  "LegLength" TEXT, "MinimalStdLength" TEXT, "MinimalSeismicLength" TEXT, "MinimalTieLength" TEXT);
INSERT INTO "Units" VALUES ('FE500 HA', 'mm', 'cm', 'm', 'mm', 'mm', 'mm'),
  ('B500B', 'mm', 'mm', 'mm', 'mm', 'cm', 'm'), ('Grade 60', 'in', 'in', 'in', 'in', 'in', 'in');

-- 2 columns: every steel grade of the standard.
CREATE TABLE "Hooks ISO 4066" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks ISO 4066" VALUES (90, 0), (135, 8), (180, 5);

-- 4 columns: per diameter, still every steel grade of the standard; 12 has no unfold length.
CREATE TABLE "Hooks NF P 02-016" ("Angle" REAL, "Multiplicators" REAL, "Diameter" REAL,
  "UnfoldHookLength" REAL);
INSERT INTO "Hooks NF P 02-016" VALUES (90, 10, 10, 14), (90, 10, 12, 0), (90, 10, 16, 22),
  (180, 5, 8, 9.5), (180, 5, 10, 13), (180, 5, 12, 15.5);

-- 8 columns: each row for the steel grade it names, one for none.
CREATE TABLE "Hooks BS 8666 2005" ("Angle" REAL, "Multiplicators" REAL, "Diameter" REAL,
  "UnfoldHookLength" REAL, "SteelGrade" TEXT, "Minimal standard length" REAL,
  "Minimal seismic length" REAL, "Minimal tie length" REAL);
INSERT INTO "Hooks BS 8666 2005" VALUES (90, 5, 10, 0, 'B500B', 120, 130, 1.4),
  (180, 10, 10, 0, 'B500B', 121, 131, 1.41), (90, 7, 12, 0, 'B500C', 125, 0, 0),
  (135, 3, 16, 0, NULL, 1, 2, 3);

-- 9 columns: with leg lengths, one of them 0.
CREATE TABLE "Hooks ACI" ("Angle" REAL, "Multiplicators" REAL, "Diameter" REAL,
  "UnfoldHookLength" REAL, "SteelGrade" TEXT, "Minimal standard length" REAL,
  "Minimal seismic length" REAL, "Minimal tie length" REAL, "LegLength" REAL);
INSERT INTO "Hooks ACI" VALUES (90, 12, 0.625, 10.94, 'Grade 60', 10, 0, 6, 7.5),
  (90, 12, 0.5, 8.75, 'Grade 60', 8, 0, 4.5, 0),
  (135, 6, 0.625, 7.44, 'Grade 60', 0, 5.5, 5.5, 3.75);

-- An empty table of a known standard; a table of a standard the catalogue does not know.
CREATE TABLE "Hooks DM96" ("Angle" REAL, "Multiplicators" REAL);
CREATE TABLE "Hooks Nowhere" ("Angle" REAL, "Multiplicators" REAL);
INSERT INTO "Hooks Nowhere" VALUES (90, 10);
