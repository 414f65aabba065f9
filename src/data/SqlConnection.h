#pragma once
// The host-facing name of the QtSql connection: hosts include
// "data/SqlConnection.h"; the class lives with the other Qt implementations.
#include "platform/SqlConnection.h"
