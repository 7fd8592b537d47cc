#pragma once

// The level fixtures now live in the result folder writer.
#include "support/result_writer.h"
