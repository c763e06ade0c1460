// Tessary: the fifteen-tile sliding puzzle. ECMAScript 3 only.
//
// The board is an array of 16 cells, row by row; 0 marks the gap.

var TESS_SIDE = 4;

function tessSolvedBoard() {
    var board = [];
    for (var i = 1; i < TESS_SIDE * TESS_SIDE; i++) {
        board.push(i);
    }
    board.push(0);
    return board;
}

function tessGap(board) {
    for (var i = 0; i < board.length; i++) {
        if (board[i] == 0) {
            return i;
        }
    }
    return -1;
}

function tessIsSolved(board) {
    for (var i = 0; i < board.length - 1; i++) {
        if (board[i] != i + 1) {
            return false;
        }
    }
    return true;
}

// Slides every tile between the cell and the gap one step towards the gap, as
// when a row or column of tiles is pushed; returns how many tiles moved (0
// when the cell is the gap or is not in the gap's row or column).
function tessSlide(board, cell) {
    var gap = tessGap(board);
    var step;
    if (cell == gap || cell < 0 || cell >= board.length) {
        return 0;
    }
    if (Math.floor(cell / TESS_SIDE) == Math.floor(gap / TESS_SIDE)) {
        step = cell < gap ? -1 : 1;
    } else if (cell % TESS_SIDE == gap % TESS_SIDE) {
        step = cell < gap ? -TESS_SIDE : TESS_SIDE;
    } else {
        return 0;
    }
    var moved = 0;
    while (gap != cell) {
        board[gap] = board[gap + step];
        gap += step;
        moved++;
    }
    board[cell] = 0;
    return moved;
}

// The cells next to the gap.
function tessNeighbours(board) {
    var gap = tessGap(board);
    var row = Math.floor(gap / TESS_SIDE);
    var column = gap % TESS_SIDE;
    var cells = [];
    if (row > 0) {
        cells.push(gap - TESS_SIDE);
    }
    if (row < TESS_SIDE - 1) {
        cells.push(gap + TESS_SIDE);
    }
    if (column > 0) {
        cells.push(gap - 1);
    }
    if (column < TESS_SIDE - 1) {
        cells.push(gap + 1);
    }
    return cells;
}

// Mixes the board with random single-tile moves, never undoing the one before,
// so that every shuffled board can be solved. random() returns 0 <= x < 1.
function tessShuffle(board, moves, random) {
    var previousGap = -1;
    for (var i = 0; i < moves; i++) {
        var gap = tessGap(board);
        var choices = tessNeighbours(board);
        var cell;
        do {
            cell = choices[Math.floor(random() * choices.length)];
        } while (cell == previousGap);
        tessSlide(board, cell);
        previousGap = gap;
    }
    if (tessIsSolved(board)) {
        tessSlide(board, tessNeighbours(board)[0]);
    }
}

var tessBoard = tessSolvedBoard();
var tessMoves = 0;
var tessFinished = false;

function tessDraw() {
    var form = document.forms["board"];
    for (var i = 0; i < tessBoard.length; i++) {
        form.elements["t" + i].value = tessBoard[i] == 0 ? " " : String(tessBoard[i]);
    }
    var status = tessMoves == 1 ? "1 move" : tessMoves + " moves";
    form.elements["status"].value = tessFinished ? "Solved in " + status + "!" : status;
}

// New game: a freshly mixed board.
function tessStart() {
    tessBoard = tessSolvedBoard();
    tessShuffle(tessBoard, 300, Math.random);
    tessMoves = 0;
    tessFinished = false;
    tessDraw();
}

// Tile handler of tessary.html.
function tessClick(cell) {
    if (tessFinished) {
        return;
    }
    tessMoves += tessSlide(tessBoard, cell);
    tessFinished = tessIsSolved(tessBoard);
    tessDraw();
}
