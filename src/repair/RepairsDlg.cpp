#include "RepairsDlg.h"

#include "GroupOrderListRepair.h"
#include "MacDatabaseRepair.h"
#include "res/Resource.h"

BEGIN_MESSAGE_MAP(CRepairsDlg, CDialog)
ON_BN_CLICKED(IDC_REPAIR_MAC_DATABASE, &CRepairsDlg::OnRepairMacDatabase)
ON_BN_CLICKED(IDC_REPAIR_GROUP_ORDER_LIST, &CRepairsDlg::OnRepairGroupOrderList)
END_MESSAGE_MAP()

CRepairsDlg::CRepairsDlg(CWnd* pParent) : CDialog(IDD_REPAIRS, pParent) {}

void CRepairsDlg::OnRepairMacDatabase() { RepairMacDatabase(); }

void CRepairsDlg::OnRepairGroupOrderList() { RepairGroupOrderList(); }
