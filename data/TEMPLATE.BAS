' Circuit Capture script (ClientBasic).
' Re-creates a captured circuit around a point that you click on the current schematic sheet.
' The capture writes its code below each comment line that names a "$Place" slot.

' The placement point: every location of the circuit is an offset from it.
Dim X As Long
Dim Y As Long
' The result of the variables dialog: 0 when it was cancelled.
Dim R As Integer
' The answer of the host when asked for the placement point.
Dim S As String

' $Place Global Variables

Sub Main
    R = -1
    ' $Place Dialog Declaration
    ' $Place Dialog Code
    If R = 0 Then Exit Sub
    ' $Place Variables Initialisation Code

    Call ResetParameters
    Call RunProcess("Sch:AskForXYLocation")
    Call GetStringParameter("Result", S)
    If S <> "True" Then Exit Sub
    Call GetIntegerParameter("LocationX", X)
    Call GetIntegerParameter("LocationY", Y)

    ' The circuit, placed around X, Y. It stays in Main, where the dialog's fields are in scope.
    ' $Place Circuit Code
End Sub
