#include "GroupOrderListRepair.h"

#include "fw/MessageBox.h"
#include "fw/StringTable.h"
#include "res/AppStringIds.h"
#include "res/RepairStringIds.h"
#include "sys/Administrator.h"
#include "update/GroupOrderList.h"

void RepairGroupOrderList() {
  if (!IsUserAdministrator()) {
    AfxMessageBox(IDS_NOT_ADMINISTRATOR, MB_OK | MB_ICONSTOP);
    return;
  }
  // Both corrections run, the removal first. A list that cannot be read or
  // written answers FALSE like a sound one, so it reads as sound here too.
  BOOL bRepaired = RemoveUnusedGroupOrderTags(kSystemBusExtender);
  if (MovePcmciaBeforeSuiteDrivers()) bRepaired = TRUE;
  AfxMessageBox(bRepaired ? IDS_GROUP_ORDER_REPAIRED : IDS_GROUP_ORDER_SOUND,
                MB_OK | MB_ICONINFORMATION);
}
