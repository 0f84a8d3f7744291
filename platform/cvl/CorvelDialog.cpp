#include "CorvelDialog.h"

BEGIN_MESSAGE_MAP(CorvelDialog2, AbstractDialog)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CorvelDialog, AbstractDialog)
END_MESSAGE_MAP()
