// The passcode that lock.html asks for. To change it, connect the PSP in USB
// mode and edit the text between the quotes with any text editor.
var orvexPasscode = "1234";
