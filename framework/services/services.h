// The framework's routines for host services beyond those the commands use: one include for all.
#pragma once

#include "array_buffer.h"
#include "array_routines.h"
#include "creation.h"
#include "generic_raise.h"
#include "host_commands.h"
#include "host_parameters.h"
#include "layers.h"
#include "plain_wrappers.h"
#include "record_header.h"
#include "record_routines.h"
#include "sequences.h"
#include "settings.h"
#include "table_names.h"
