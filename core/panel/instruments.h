#pragma once
// The four boxes' columns between the diagram and the lever frame (name, block instrument
// dials, bell indicator, commutator handle, bell plunger) and the yard indicator.
namespace kv41 {

struct GameState;

// Each box's name and dial labels, then its bell indicator.
void DrawBoxHeaders(GameState& g);
// Box's bell indicator: the code it last rang, white on dark red, or blanks once answered.
void ShowBellIndicator(GameState& g, int box);
// Every dial, commutator handle and bell plunger, whatever was drawn before.
void DrawInstruments(GameState& g);
// The clock, every instrument, then the yard's clear or busy sign.
void DrawYardIndicator(GameState& g);
// Only the dials, bell indicators and yard sign that changed since they were last drawn.
void RefreshIndicators(GameState& g);

}  // namespace kv41
