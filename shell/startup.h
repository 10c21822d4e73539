// The program's start: one copy only, a seeded random source, the reminder, the launcher.
#pragma once

#include <functional>
#include <memory>

class frmMDI;

namespace shell {

class InstanceLock;

// Each tool hands the launcher the factories of its windows.
using ToolRegistration = std::function<void(frmMDI &)>;

// The launcher, shown; nullptr when this copy must not run.
std::unique_ptr<frmMDI> StartApplication(InstanceLock &lock, const ToolRegistration &registerTools);

// Gives every window the program's icon, unless the application has one already.
void useProgramIcon();

} // namespace shell
