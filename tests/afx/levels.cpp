#include "levels.h"

namespace afxtest {

BEGIN_MESSAGE_MAP(Level1, CWnd)
ON_MESSAGE(kBaseOnly, &Level1::OnBaseOnly)
ON_MESSAGE(kOverridden, &Level1::OnOverridden)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(Level2, Level1)
ON_MESSAGE(kOverridden, &Level2::OnOverridden2)
ON_MESSAGE(kLeafOnly, &Level2::OnLeaf2)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(Level3, Level2)
ON_MESSAGE(kLeafOnly, &Level3::OnLeaf3)
ON_WM_SIZE()
ON_COMMAND(ID_FILE_SAVE, &Level3::OnSave)
ON_COMMAND_RANGE(200, 209, &Level3::OnRange)
ON_NOTIFY(kItemPicked, 5, &Level3::OnClickNotify)
END_MESSAGE_MAP()

}  // namespace afxtest
