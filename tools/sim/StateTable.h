#pragma once

#include <string>

struct TTank;

inline constexpr const char* kStateHeader =
    "slot\tspecies\tclass\tx\ty\tdx\tdy\tlife\tbreed_rate\tspeed\tage\tgiant\tgeneration\tgene_lifespan\t"
    "gene_breed_rate\tgene_speed\tgene_growth\tframe\trun_steps\tpause_steps\ttail_frame\tfamily\n";

// The tank table as tab-separated text: the header, then one row per occupied slot.
std::string FormatState(const TTank& tank);
