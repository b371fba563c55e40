#pragma once

namespace kunimor {

class TBelModule;

// Short target prepositions and particles take the variant their neighbour
// asks for: Belarusian у/ва, з/са, ж/жа, б/бы, Russian в/во, с/со, же, бы.
void AdjustParticles(TBelModule& module);

}  // namespace kunimor
