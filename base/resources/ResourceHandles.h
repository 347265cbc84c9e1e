// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/resources/ResourceStore.h"

// Handles to a found and to a loaded resource. Embedded data never moves, so loading,
// locking and freeing only keep count of who holds it.
using HRSRC = const TResourceEntry*;
using HGLOBAL = const TResourceEntry*;

HGLOBAL LoadResource(HRSRC resource);
// The resource's bytes; null for a null handle.
const void* LockResource(HGLOBAL loaded);
bool FreeResource(HGLOBAL loaded);
