// Passcode check of lock.html.
//
// This is a privacy screen, not security: the passcode is plain text in
// passcode.js on the memory stick, and the tools' pages open without it when
// their address is typed in. It keeps the tools out of a casual onlooker's way.

// Opens the start page when the passcode typed into the form's first field
// matches. The form never submits, and its field has no name, so the passcode
// never lands in an address or the browser's history.
function orvexUnlock(form) {
    var field = form.elements[0];
    var typed = field.value;
    field.value = "";
    if (typed == orvexPasscode) {
        window.location.replace("index.html");
    } else {
        alert("That passcode is not right. Please try again.");
    }
    return false;
}
