// The maker's help calls. No help viewer runs here: each call is recorded on the scripted
// user (user::ScriptedUser::HelpCalls) so that tests can see which help would have opened.
#pragma once

#include "afx/wnd.h"

class VNTLHelpTools {
public:
    // Recorded as call L"VNTLHelpTools::Help", command nCommand, topic the id in decimal and
    // data the id.
    static BOOL Help(int nCommand, UINT nTopicId);
    // Context help for the control named by pHelpInfo. Recorded as call
    // L"VNTLHelpTools::DisplayWhatsThis", command HELP_WM_HELP, topic the help file (empty
    // for the product's own) and data the control's id. nFirstId and nLastId narrow the
    // control ids that have topics; 0 and 0 mean all.
    static BOOL DisplayWhatsThis(CWnd* pWnd, HELPINFO* pHelpInfo, int nFirstId, int nLastId,
                                 LPCTSTR lpszHelpFile);
};

// The name some of the maker's headers use for the same tools.
using CVnHelpTools = VNTLHelpTools;
