#pragma once

#include "tcommand.h"

// 'veltrum serve': the owner's web view of the installation, and the
// management of the people who may log in to it.
TCommand serveCommand();
