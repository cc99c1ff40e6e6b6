// The module's string table: its own texts for its prompt ids. The prompt service answers
// for the ids missing here.
#include "rebar/host/afx.h"
#include "rebar/rebarapi.h"

namespace {

constexpr AFX_STRING_RESOURCE strings[] = {
    {12001, L"Nom"},
    {12002, L"Diamètre\nnominal"},
    {12003, L"Mandrin\nEtrier/Cadre (A)"},
    {12004, L"Mandrin\nAncrage (B)"},
    {12005, L"Mandrin\nCoude (C)"},
    {12006, L"Longueur\nAncrage (D)"},
    {12007, L"Poids"},
    {12008, L"Section"},
    {12009, L"Périmètre"},
    {12011, L"Impossible de changer le nom des diamètres utilisés."},
    {12020, L"La sélection d'un élément est nécessaire !"},
    {12021, L"Confirmez la suppression de l'élément sélectionné ?"},
    {12022, L"Tous les fichiers"},
    {12023, L"Bars"},
    {12024, L"Diamètre\nréel"},
    {12026, L"Le premier indice ne peut être supprimé !"},
    {12029, L"Erreur de saisie !\nVous avez probablement saisie une valeur négative."},
    {12030, L"Bars"},
    {12031, L"Impossible de supprimer cette barre. Actuellement utilisée !"},
    {12032, L"Détails >>"},
    {12033, L"<< Détails"},
    {12034, L"Le type de catalogue est incorrect. Ce n'est pas un catalogue de barres!"},
    {12035, L"Erreur de saisie !\nVous avez probablement saisie une valeur nulle."},
    {12036, L"Steel grade"},
    {12037, L"Diameter"},
    {12038, L"Position"},
    {12039, L"Concrete"},
    {12040, L"Lap length"},
    {12041, L"Reference"},
    {12042, L"Minimal End Leg"},
    {12043, L"Minimal Intermediate Leg"},
    {12044, L"Minimal Straight Bar"},
    {12045, L"Min end\nleg length (L)"},
    {12046, L"Min leg\nlength (E)"},
    {12047, L"Min straight\nbar length(S)"},
    {12048, L"#Mill Stock Length"},
    {12049, L"#Max Stock Length"},
    {12050,
     L"One ore more rows are duplicated. Are you sure you want to replace them with the new "
     L"values?"},
    {12051, L"Orvanta Béton"},
    {12052, L"One ore more rows are invalid. Delete them?"},
};

constexpr AFX_RESOURCE_TABLE resources = {strings, sizeof(strings) / sizeof(strings[0])};

}  // namespace

// Read by the platform's loader when it maps the library, as the resource section of a DLL.
extern "C" REBAR_API const AFX_RESOURCE_TABLE* AfxGetModuleResourceTable() {
    return &resources;
}
