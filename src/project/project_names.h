#pragma once

#include "keep_names.h"
#include "project_transfer.h"

namespace plc {

// After the chosen parts of `read` were read back from the controller (which holds no names):
// each request and sensor of those parts takes the name of the row of `named` with its identity
// (a request by slave address, function and slave register, a sensor by its ROM code). How many
// names were kept and how many rows are new, over all those parts.
NamesKept keepProjectNames(const Project &named, Project &read, const ProjectParts &parts);

}  // namespace plc
