#include "CliCommand.h"

namespace cli {

int RunCheck(CliContext& context);
int RunNew(CliContext& context);
int RunExport(CliContext& context);
int RunCloneInfo(CliContext& context);
int RunCloneRead(CliContext& context);
int RunCloneWrite(CliContext& context);
int RunLayout(CliContext& context);
int RunGet(CliContext& context);
int RunSet(CliContext& context);
int RunShow(CliContext& context);
int RunImport(CliContext& context);
int RunDiff(CliContext& context);

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"check",
         "FILE",
         "Opens the clone file FILE as the desktop program's Open does (the model's\n"
         "tests and the merge with the factory data included) and shows the first\n"
         "fault found; then runs the warning check a write must pass. Exit status 0\n"
         "when the file is good, 10 + the clone-file result code (11 to 19) when it\n"
         "cannot be opened, 4 when a write would refuse it: the data-error message,\n"
         "then one line per cell in error, sheet,row,column,check (rows and columns\n"
         "as show counts them).",
         &RunCheck},
        {"new",
         "FILE [--model N] [--force]",
         "Saves the factory data of model type N (0 to 4, default 0) to FILE as the\n"
         "desktop program's New then Save do; an existing FILE is only replaced with\n"
         "--force. Exit status 0 when saved, else 10 + the clone-file result code;\n"
         "2 for a bad model type or an existing FILE.",
         &RunNew},
        {"export",
         "FILE",
         "Prints every channel row of the clone file FILE as comma-separated text:\n"
         "plan,row,channel,mark,inhibited,tagged,tx_inhibit,poc,simplex,rx_hz,tx_hz,name\n"
         "for rows 0 to 303 of the International, USA and Canada lists, 0 to 9 of the\n"
         "weather channels and 0 to 69 of the free channels; a blank frequency is an\n"
         "empty field, as the window shows it. The file is read as check\n"
         "reads it; exit status 10 + the clone-file result code when it is refused, 5\n"
         "when standard output cannot be written.",
         &RunExport},
        {"info",
         "--port N | --device PATH|sim",
         "Asks the radio who it is and prints its identity: model and sub code, revision,\n"
         "clone comment, battery type (as the window's information sheet shows it) and\n"
         "the identity bytes. Fails with 20 + the clone result code.",
         RunCloneInfo},
        {"read",
         "FILE [--force] --port N | --device PATH|sim",
         "Reads the radio's memory and saves it as the clone file FILE; an existing\n"
         "FILE is only replaced with --force (else 2). A FILE that cannot be written\n"
         "is found before the radio is asked. Fails with 20 + the clone result code,\n"
         "or 10 + the clone-file code of FILE.",
         RunCloneRead},
        {"write",
         "FILE [--maker] [--yes] [--no-check] --port N | --device PATH|sim",
         "Writes the clone file FILE into the radio (with --maker: the factory range too)\n"
         "after asking on the terminal (--yes: without asking; no terminal and no --yes:\n"
         "status 1). Refuses, as the window does, a FILE with cells in error (status 4;\n"
         "check lists them). Then reads the radio back and compares what was written\n"
         "(--no-check: not): 38 when the radio holds other data (the message names the\n"
         "first address), 39 when the radio did not answer the check. Fails with 10 +\n"
         "the clone-file code of FILE, or 20 + the clone result code.",
         RunCloneWrite},
        {"layout",
         "SHEET",
         "Lays the sheet SHEET of the overlay out as the program's window does and prints one CSV line\n"
         "per cell after a header line. Texts are measured with fixed-width metrics (each character\n"
         "3/5 of the font height wide), so the output is the same on every machine. All channels are\n"
         "shown, for the USA variant without option bits. Exit status 2 for a sheet the overlay\n"
         "does not define; a definition error ends it with its fault message and status 3.",
         RunLayout},
        {"get",
         "FILE CELL...",
         "Prints, one line each, the text the program's window shows in each CELL of the\n"
         "clone file FILE. A CELL is named [CATEGORY.]KIND[:INDEX] with the names of the\n"
         "cell tables, for example CL_ComCom_Beep_UP (a setting), CT_UsaCh.CL_ChList_Atr:32\n"
         "(the mark of USA channel row 32) or CT_FreeCh.CL_Fch_FreqR:5 (the receive\n"
         "frequency of free channel 6). INDEX counts the rows from 0, as the row column of\n"
         "export and import does; the window counts them from 1 (row 5 here is the\n"
         "window's 6; show prints both). Exit status 2 for an unknown cell name, or for a\n"
         "cell that does not exist: a channel column names its plan's category and a row\n"
         "of that list, and every kind takes the indices its cells have (the message\n"
         "names the range).",
         RunGet},
        {"set",
         "FILE CELL=TEXT...",
         "Types each TEXT into its CELL, in order, as into the window's cell editor, and\n"
         "saves FILE as Save does. A cell with a selection list takes the text of an item\n"
         "or #N for the item that stands for N, for example\n"
         "  vqn58-cli set boat.qcf CL_ComSet_Backlight=On CL_ComAtis_AtisId=1234567890\n"
         "  vqn58-cli set boat.qcf CT_FreeCh.CL_Fch_FreqR:5=156.0125\n"
         "A setting the model fixes takes only the value it has, as no change, so what\n"
         "get printed can be set again. All or nothing: an entry a cell refuses saves\n"
         "nothing and ends with status 4 after a message naming the cell and why; 2 for\n"
         "an unknown cell name or a cell that does not exist. Once FILE is saved, each\n"
         "entry a cell stored otherwise than typed is told on standard error, e.g.\n"
         "  CT_FreeCh.CL_Fch_FreqR:6: 250 stored as 199.98750",
         RunSet},
        {"show",
         "FILE SHEET [--usable]",
         "Prints the sheet SHEET of the overlay (for example GI_Sheet_ComSet) as the window\n"
         "shows it for the clone file FILE, one CSV line per cell after the header\n"
         "row,column,category,kind,index,number,text,grey,warning\n"
         "(number: the window's number of a channel row, the index counted from 1; grey:\n"
         "a setting whose function the radio lacks, or a cell that cannot change).\n"
         "--usable shows the channel lists as the window's usable-channels-only view does:\n"
         "only the channels that are not inhibited or carry the P or C mark.\n"
         "Exit status 2 for a sheet the overlay does not define.",
         RunShow},
        {"import",
         "FILE CSV [--dry-run]",
         "Takes the channel lines of CSV, in the columns export writes (the header line\n"
         "first; fields separated by commas, semicolons or tabs, as the header line has\n"
         "them, quoted or not; lines of empty fields skipped; UTF-8 with or without a\n"
         "byte-order mark, LF or CR LF line ends), into the clone file FILE and saves it\n"
         "as Save does. The row column counts from 0 (the window's No. 1 is row 0), e.g.\n"
         "  usa,40,20,,0,1,0,0,0,,,\n"
         "tags USA row 40, channel 20. Lines may be left out; a value equal\n"
         "to the file's is left as it is. Every value is checked as the window's cells\n"
         "check an entry: flags 0 or 1, marks P, C, PC or nothing (a mark moves, it cannot\n"
         "be taken away), frequencies in whole Hz from 100000000 to 199987500 on the\n"
         "6250 Hz raster or empty (21700000 and 0, which older exports wrote, read as\n"
         "empty), names of up to 3 characters the radio can show; a name and a transmit\n"
         "frequency need a receive frequency. A row that stays inhibited keeps its tag,\n"
         "transmit inhibit, Poc and simplex values. The simplex column of rows 234 to 303\n"
         "is not taken: the free channel's frequencies decide it. All or nothing: the\n"
         "first bad line ends it with a message naming the line (and the row and column\n"
         "where one is at fault) and status 4, and nothing is saved; 2 when CSV cannot be\n"
         "read, 10 + the clone-file result code when FILE is refused or cannot be saved.\n"
         "--dry-run prints what would change, one line per cell as diff prints it, and\n"
         "saves nothing.",
         RunImport},
        {"diff",
         "A B",
         "Compares the clone files A and B as the radio would be sent them: for every cell\n"
         "of the sheets (the factory adjustments aside) whose value differs, one CSV line\n"
         "sheet,row,column,value in A,value in B\n"
         "with the sheet's title, the row's name (channel or setting) and the column's\n"
         "heading (the cell's kind name where the column has none). Values are the texts\n"
         "the window shows; names and the clone comment are compared by their stored\n"
         "characters, quoted where a space at either end matters, an unprintable byte as\n"
         "\\xNN. Then every byte a write sends (0x000 to 0x7EF) that differs where no line\n"
         "above explains it: ,ADDRESS,,BYTE IN A,BYTE IN B in hexadecimal (the model type\n"
         "at 0x609, for example). Both are laid out as A's model type shows its sheets.\n"
         "Exit status 0 when nothing differs, 1 when something does, 10 + the clone-file\n"
         "result code when a file is refused, 5 when standard output cannot be written.",
         RunDiff},
    };
    return commands;
}

} // namespace cli
