// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// The host-facing name of the QtSql connection: hosts include
// "data/SqlConnection.h"; the class lives with the other Qt implementations.
#include "platform/SqlConnection.h"
