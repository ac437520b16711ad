#include "ProgramServices.h"

#include "fw/ResourceTables.h"
#include "quorrelApp.h"
#include "res/ProgramResources.h"
#include "sys/BusyScope.h"

void InstallProgramServices() {
  AfxSetResourceTables(ProgramResources());
  SetBusyState(&QuorrelApp());
}
