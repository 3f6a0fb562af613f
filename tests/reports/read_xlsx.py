"""Prints what a test needs to know of an .xlsx written by the report writer, one fact a line:
sheet names, header and footer, column widths, and every cell with its value, number format,
font colour and borders."""
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
print("sheets", ",".join(book.sheetnames))
sheet = book.worksheets[0]
print("header", sheet.oddHeader.center.text or "")
print("footer", sheet.oddFooter.center.text or "")
# An absent fitToWidth means one page wide; fitting applies only with fitToPage set.
setup = sheet.page_setup
fit = sheet.sheet_properties.pageSetUpPr.fitToPage if sheet.sheet_properties.pageSetUpPr else False
print("page", setup.orientation, "fit" if fit else "no-fit", setup.fitToWidth or 1, setup.fitToHeight,
      "titles", sheet.print_title_rows, "footer size", sheet.oddFooter.center.size)
for letter in "ABCDEFG":
    dim = sheet.column_dimensions.get(letter)
    if dim is not None and dim.width:
        print("width", letter, round(dim.width))
for row in sheet.iter_rows():
    for cell in row:
        colour = cell.font.color
        colour = colour.rgb if colour is not None and colour.type == "rgb" else None
        top = cell.border.top.style if cell.border.top is not None else None
        bottom = cell.border.bottom.style if cell.border.bottom is not None else None
        if cell.value is None and top is None and bottom is None:
            continue
        value = cell.value
        kind = "n" if isinstance(value, (int, float)) else "s"
        print("cell", cell.coordinate, kind, repr(value), cell.number_format,
              colour or "-", top or "-", bottom or "-")
