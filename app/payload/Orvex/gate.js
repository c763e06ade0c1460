// Passcode check of lock.html.
//
// The installer writes the passcode the user chose into passcode.js on the
// memory stick; the payload carries none of its own. This is a privacy screen,
// not security: the passcode is plain text there, and the tools' pages open
// without it when their address is typed in. It keeps the tools out of a
// casual onlooker's way.

// The passcode from passcode.js, or null when that file is missing or does not
// hold a passcode of 4 to 8 digits: then no entry opens the tools.
function orvexInstalledPasscode() {
    if (typeof orvexPasscode != "string" || !/^[0-9]{4,8}$/.test(orvexPasscode)) {
        return null;
    }
    return orvexPasscode;
}

// Writes the passcode form into lock.html where it is called, or, when no
// passcode is installed, says so instead.
function orvexWriteGate(doc) {
    if (orvexInstalledPasscode() == null) {
        doc.write('<p>No passcode is installed, so the tools stay locked: '
            + 'PSP/COMMON/Orvex/passcode.js is missing or holds no passcode of 4 to 8 digits.</p>\n'
            + '<p>To choose a passcode, install Orvex Tessary again.</p>\n');
        return;
    }
    doc.write('<form name="gate" action="lock.html" onsubmit="return orvexUnlock(this)">\n'
        + '<p>Enter the passcode to open the tools.</p>\n'
        + '<p><input type="password" size="8" maxlength="8">\n'
        + '<input type="submit" value="Open"></p>\n'
        + '</form>\n'
        + '<p class="note">Forgot the passcode? Connect the PSP to a computer in USB mode '
        + 'and open PSP/COMMON/Orvex/passcode.js there, or install Orvex Tessary again.</p>\n');
}

// Opens the start page when the passcode typed into the form's first field
// matches. The form never submits, and its field has no name, so the passcode
// never lands in an address or the browser's history.
function orvexUnlock(form) {
    var field = form.elements[0];
    var typed = field.value;
    field.value = "";
    if (typed == orvexInstalledPasscode()) {
        window.location.replace("index.html");
    } else {
        alert("That passcode is not right. Please try again.");
    }
    return false;
}
