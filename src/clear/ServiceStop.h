// Stops a service through the service control manager and waits, at most
// 30 seconds, until it has stopped. A service that is not installed, not
// running or that refuses the stop control is not waited for.
#pragma once

#include <string>

void StopServiceAndWait(const std::string& strService);
