#pragma once
// Sorting a grid by clicking its column titles, with ▲/▼ marks in the titles.
namespace widgets {

class DataGrid;

// Ascending on the first click of a column, then alternating; another column starts over.
void SortGridByColumn(DataGrid& grid, int column);
// Takes the leading ▲ or ▼ off every title.
void ClearSortMarks(DataGrid& grid);

}  // namespace widgets
