-- A small catalogue for the table store's tests. Tables are created in an order that is not
-- alphabetical, columns are declared in an order that is not alphabetical, and bar rows are
-- inserted out of row-id order, so the store's orders can be told apart from accidents.

CREATE TABLE "Units" ("Name" TEXT, "Def_type" INTEGER, "Factor" REAL, "Code" TEXT);
INSERT INTO "Units" VALUES ('mm', 1, 1.0, '500'), ('cm', 2, 10.0, 'B500A'), ('m', 3, 1000.0, NULL);

CREATE TABLE "Bars B500" ("Name" TEXT, "Diameter" REAL, "Mass" REAL, "Note" TEXT);
INSERT INTO "Bars B500" (rowid, "Name", "Diameter", "Mass", "Note") VALUES
    (30, 'D12', 12.0, 0.888, NULL),
    (10, 'D8', 8.0, 0.395, 'smallest'),
    (40, 'D14', 14.0, 1.21, 'Übergröße'),
    (20, 'D10', 10.0, 0.617, NULL);

-- Names as the catalogues really have them: blanks, "/", double quotes and non-ASCII letters.
CREATE TABLE "Hooks ÖNORM B 4200/7" (
    "Name" TEXT, "Angle ""deg""" REAL, "Länge / d" REAL, "Def_type" INTEGER);
INSERT INTO "Hooks ÖNORM B 4200/7" VALUES
    ('Haken', 180, 5.0, 1),
    ('ÉCROU', 135, 7.5, 2),
    ('Арматура', NULL, NULL, 3),
    ('Öse', 90, 10.0, 4);
