#pragma once

namespace kx {

// The grid's cursor resources in the screen's cursor table.
inline constexpr int crHorzSplit = 3000;        // "HORZSPLIT": column resize
inline constexpr int crColumnNoDrag = 3001;     // "COLUMNNODRAG": a column dragged off the header
inline constexpr int crVertSplit = 3003;        // "VERTSPLIT": row resize
inline constexpr int crIndicatorSelect = 3006;  // "INDICATORSELECT": the indicator column
inline constexpr int crRoll = 4003;             // "ROLL": middle-button scrolling, at rest
inline constexpr int crRollUp = 4004;           // "ROLLUP"
inline constexpr int crRollDown = 4005;         // "ROLLDOWN"

// Draws the cursors from their pictures and puts them into the screen's table
// (again on every call: the last registration wins, as the resources are the same).
void RegisterGridCursors();

}  // namespace kx
